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
          case FoldersMenuAction::AddFolder:
            out += "add " + item.choice.path;
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

// The sections of where the user is: folders open in folder windows below the stored ones, and the
// folder the target shows offered for adding at the very end.
TEST(FoldersMenu, WhatTheUserHasOpenAsATable) {
  const std::string kHead = "heading: Available Dashmarks...; entry: C:\\A\\ -> stored 0";
  const struct Case {
    const char* name;
    Paths recent;
    FoldersMenuSurroundings around;
    std::string items;
  } cases[] = {
      {"open folders under their heading, in the order given",
       {},
       {{"E:\\Front", "D:\\Back\\"}, std::nullopt},
       kHead + "; separator; heading: Open in Explorer; entry: E:\\Front -> E:\\Front; entry: D:\\Back\\ -> "
               "D:\\Back\\"},
      {"one stored or shown before is left out, with or without its backslash; letter case counts",
       {},
       {{"C:\\A", "E:\\X", "E:\\X\\", "e:\\x"}, std::nullopt},
       kHead + "; separator; heading: Open in Explorer; entry: E:\\X -> E:\\X; entry: e:\\x -> e:\\x"},
      {"only stored ones open: no heading", {}, {{"C:\\A\\"}, std::nullopt}, kHead},
      {"the open section above the recent one",
       {"F:\\R\\"},
       {{"E:\\X"}, std::nullopt},
       kHead + "; separator; heading: Open in Explorer; entry: E:\\X -> E:\\X; separator; submenu: Recent "
               "{entry: F:\\R\\ -> F:\\R\\; separator; entry: Clear recent -> clear recent}"},
      {"the target's folder offered last, as it would be stored, its ampersand shown",
       {"F:\\R\\"},
       {{}, "G:\\R&D"},
       kHead + "; separator; submenu: Recent {entry: F:\\R\\ -> F:\\R\\; separator; entry: Clear recent -> "
               "clear recent}; separator; entry: Add \u201CG:\\R&&D\\\u201D -> add G:\\R&D\\"},
      {"the target's folder already stored: not offered", {}, {{}, "C:\\A"}, kHead},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Describe(BuildFoldersMenu(FolderList({"C:\\A\\"}), c.recent, c.around).items), c.items);
  }
}

TEST(FoldersMenu, AtMostTwentyOpenFoldersAndNoAddToAFullList) {
  FoldersMenuSurroundings around;
  for (int i = 0; i < 30; ++i) around.openFolders.push_back("E:\\" + std::to_string(i));
  around.targetFolder = "G:\\New";
  const FoldersMenu menu = BuildFoldersMenu(FolderList({"C:\\A\\"}), {}, around);
  // The heading, one stored, a separator, the open heading, twenty, a separator and the add entry.
  ASSERT_EQ(menu.items.size(), 26U);
  EXPECT_EQ(menu.items[23].text, "E:\\19");
  EXPECT_EQ(menu.items.back().choice.action, FoldersMenuAction::AddFolder);
  const FoldersMenu full =
      BuildFoldersMenu(FolderList(Paths(FolderList::kMaxFolders, "C:\\A\\")), {}, around);
  EXPECT_NE(full.items.back().choice.action, FoldersMenuAction::AddFolder);
}

}  // namespace
}  // namespace dm
