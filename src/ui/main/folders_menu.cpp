#include "ui/main/folders_menu.h"

#include <utility>

namespace dm {

namespace {

FoldersMenuItem Heading(std::string_view text) {
  return {FoldersMenuItemKind::Heading, std::string(text), {}, {}};
}
FoldersMenuItem Separator() { return {FoldersMenuItemKind::Separator, {}, {}, {}}; }
FoldersMenuItem Entry(std::string text, FoldersMenuChoice choice) {
  return {FoldersMenuItemKind::Entry, std::move(text), std::move(choice), {}};
}

}  // namespace

FoldersMenu BuildFoldersMenu(const FolderList& folders, const std::vector<std::string>& recent) {
  FoldersMenu menu;
  menu.items.push_back(Heading(folders_menu::kHeading));
  for (std::size_t i = 0; i < folders.Count(); ++i) {
    menu.items.push_back(Entry(folders.At(i), {FoldersMenuAction::DeliverStored, i, {}}));
  }
  menu.keyFolders = folders.Folders();

  FoldersMenuItem recentMenu{FoldersMenuItemKind::Submenu, std::string(folders_menu::kRecent), {}, {}};
  for (const std::string& folder : recent) {
    if (folders.Holds(folder)) continue;
    recentMenu.items.push_back(Entry(folder, {FoldersMenuAction::DeliverPath, 0, folder}));
  }
  if (!recentMenu.items.empty()) {
    recentMenu.items.push_back(Separator());
    recentMenu.items.push_back(
        Entry(std::string(folders_menu::kClearRecent), {FoldersMenuAction::ClearRecent, 0, {}}));
    menu.items.push_back(Separator());
    menu.items.push_back(std::move(recentMenu));
  }
  return menu;
}

}  // namespace dm
