#include "ui/main/folders_menu.h"

#include <algorithm>
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

FoldersMenu BuildFoldersMenu(const FolderList& folders, const std::vector<std::string>& recent,
                             const FoldersMenuSurroundings& around) {
  FoldersMenu menu;
  menu.items.push_back(Heading(folders_menu::kHeading));
  for (std::size_t i = 0; i < folders.Count(); ++i) {
    menu.items.push_back(Entry(folders.At(i), {FoldersMenuAction::DeliverStored, i, {}}));
  }
  menu.keyFolders = folders.Folders();

  std::vector<std::string> open;
  for (const std::string& folder : around.openFolders) {
    if (open.size() >= folders_menu::kMaxOpenFolders) break;
    const bool again = std::any_of(open.begin(), open.end(),
                                   [&folder](const std::string& shown) { return SameFolder(shown, folder); });
    if (!again && !folders.Holds(folder)) open.push_back(folder);
  }
  if (!open.empty()) {
    menu.items.push_back(Separator());
    menu.items.push_back(Heading(folders_menu::kOpenHeading));
    for (const std::string& folder : open) {
      menu.items.push_back(Entry(folder, {FoldersMenuAction::DeliverPath, 0, folder}));
    }
  }

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

  if (around.targetFolder && !folders.Holds(*around.targetFolder) && !folders.Full()) {
    std::string stored = *around.targetFolder;
    if (stored.back() != '\\') stored.push_back('\\');
    // The folder's own ampersands are shown, not taken for an access key.
    std::string shown;
    for (const char c : stored) shown += c == '&' ? std::string("&&") : std::string(1, c);
    menu.items.push_back(Separator());
    menu.items.push_back(
        Entry(std::string(folders_menu::kAddBefore) + shown + std::string(folders_menu::kAddAfter),
              {FoldersMenuAction::AddFolder, 0, stored}));
  }
  return menu;
}

}  // namespace dm
