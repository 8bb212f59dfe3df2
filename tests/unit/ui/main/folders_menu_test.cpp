// The Folders menu's model: the heading and the stored folders as items 1 to n, then the "Recent"
// submenu when there is a recent folder the list does not hold, and what each entry's choice means.

#include "ui/main/folders_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dm {
namespace {

using Paths = std::vector<std::string>;
using Kind = FoldersMenuItemKind;

// The items as lines: "heading: text", "entry: text -> stored 1", "entry: text -> C:\X\",
// "entry: text -> clear recent", "separator", "submenu: text {...}".
std::string Describe(const std::vector<FoldersMenuItem>& items) {
  std::string out;
  for (const FoldersMenuItem& item : items) {
    if (!out.empty()) out += "; ";
    switch (item.kind) {
      case Kind::Heading:
        out += "heading: " + item.text;
        break;
      case Kind::Separator:
        out += "separator";
        break;
      case Kind::Submenu:
        out += "submenu: " + item.text + " {" + Describe(item.items) + "}";
        break;
      case Kind::Entry:
        out += "entry: " + item.text + " -> ";
        switch (item.choice.action) {
          case FoldersMenuAction::DeliverStored:
            out += "stored " + std::to_string(item.choice.index);
            break;
          case FoldersMenuAction::DeliverPath:
            out += item.choice.path;
            break;
          case FoldersMenuAction::ClearRecent:
            out += "clear recent";
            break;
          case FoldersMenuAction::None:
            out += "nothing";
            break;
        }
        break;
    }
  }
  return out;
}

TEST(FoldersMenu, ItsItemsAsATable) {
  const struct Case {
    const char* name;
    Paths stored;
    Paths recent;
    std::string items;
  } cases[] = {
      {"no recent folder: no submenu",
       {"C:\\A\\", "D:\\B\\"},
       {},
       "heading: Available Dashmarks...; entry: C:\\A\\ -> stored 0; entry: D:\\B\\ -> stored 1"},
      {"recent folders newest first below the stored ones, \"Clear recent\" last",
       {"C:\\A\\"},
       {"E:\\New\\", "E:\\Old\\"},
       "heading: Available Dashmarks...; entry: C:\\A\\ -> stored 0; separator; submenu: Recent {entry: "
       "E:\\New\\ -> E:\\New\\; entry: E:\\Old\\ -> E:\\Old\\; separator; entry: Clear recent -> clear "
       "recent}"},
      {"a stored folder is not repeated, with or without its trailing backslash",
       {"C:\\A\\", "C:\\B"},
       {"C:\\A", "E:\\X\\", "C:\\B\\", "c:\\a\\"},
       "heading: Available Dashmarks...; entry: C:\\A\\ -> stored 0; entry: C:\\B -> stored 1; separator; "
       "submenu: Recent {entry: E:\\X\\ -> E:\\X\\; entry: c:\\a\\ -> c:\\a\\; separator; entry: Clear "
       "recent -> clear recent}"},
      {"only stored folders among the recent ones: no submenu",
       {"C:\\A\\", "C:\\B\\"},
       {"C:\\B\\", "C:\\A\\"},
       "heading: Available Dashmarks...; entry: C:\\A\\ -> stored 0; entry: C:\\B\\ -> stored 1"},
      {"a recent path's text goes in as a stored one's",
       {"C:\\A\\"},
       {"C:\\R&D\\"},
       "heading: Available Dashmarks...; entry: C:\\A\\ -> stored 0; separator; submenu: Recent {entry: "
       "C:\\R&D\\ -> C:\\R&D\\; separator; entry: Clear recent -> clear recent}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FoldersMenu menu = BuildFoldersMenu(FolderList(c.stored), c.recent);
    EXPECT_EQ(Describe(menu.items), c.items);
    // The keys work on the stored folders, items 1 to n.
    EXPECT_EQ(menu.keyFolders, c.stored);
  }
}

}  // namespace
}  // namespace dm
