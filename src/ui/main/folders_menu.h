#pragma once
// The Folders pop-up menu of the main window, opened by a click on the icon or the folder hotkey:
// what it holds and what choosing each entry means. The core builds it whenever the menu pops up
// and the Win32 layer draws it as it is, so a new section is a new run of items here.
//
// Top to bottom: a disabled heading; one entry for each folder of the folder list, in the list's
// order (items 1 to n, which the digit and letter keys work on, see folders_menu_keys.h); then,
// when folders open in folder windows are not in the list, a separator, the disabled heading
// "Open in Explorer" and those folders, the front-most window's first (at most
// kMaxOpenFolders); when there are recent folders the list does not hold, a separator and the
// "Recent" submenu: those folders newest first, a separator and "Clear recent"; last, when the
// window a delivery would go to shows a folder the list does not hold, "Add “<folder>”".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/folder_list.h"

namespace dm {

namespace folders_menu {

inline constexpr std::string_view kHeading = "Available Dashmarks...";
inline constexpr std::string_view kRecent = "Recent";
inline constexpr std::string_view kClearRecent = "Clear recent";
inline constexpr std::string_view kOpenHeading = "Open in Explorer";
// "Add “" and the folder (as it would be stored) and "”".
inline constexpr std::string_view kAddBefore = "Add \u201C";
inline constexpr std::string_view kAddAfter = "\u201D";
inline constexpr std::size_t kMaxOpenFolders = 20;

}  // namespace folders_menu

// What choosing an entry asks of the program.
enum class FoldersMenuAction : std::uint8_t {
  None,           // nothing was chosen
  DeliverStored,  // deliver the folder at index of the folder list
  DeliverPath,    // deliver the folder at path (a recent folder)
  ClearRecent,    // forget the recent folders
  AddFolder,      // add the folder at path to the folder list
};

struct FoldersMenuChoice {
  FoldersMenuAction action = FoldersMenuAction::None;
  std::size_t index = 0;  // DeliverStored
  std::string path;       // DeliverPath, AddFolder
  friend bool operator==(const FoldersMenuChoice&, const FoldersMenuChoice&) = default;
};

enum class FoldersMenuItemKind : std::uint8_t {
  Heading,    // disabled text
  Entry,      // an entry that can be chosen
  Separator,  // a line
  Submenu,    // an entry that opens the items below it
};

struct FoldersMenuItem {
  FoldersMenuItemKind kind = FoldersMenuItemKind::Entry;
  // The entry's text as a menu takes it (ui/main/menu_entry_text.h): a folder's path as it is, an
  // ampersand marking an access key; the Win32 layer fits it to the screen. Empty for a separator.
  std::string text;
  FoldersMenuChoice choice;            // Entry only
  std::vector<FoldersMenuItem> items;  // Submenu only
};

struct FoldersMenu {
  std::vector<FoldersMenuItem> items;
  // The folders of items 1 to n, in that order: those the digit and letter keys find.
  std::vector<std::string> keyFolders;
};

// Where the user is, as the menu offers it.
struct FoldersMenuSurroundings {
  // Folders open in folder windows, the front-most window's first.
  std::vector<std::string> openFolders;
  // The folder the window a delivery would go to shows, where it is a full path.
  std::optional<std::string> targetFolder;
};

// The menu for the folder list, the recent folders, newest first, and the surroundings (folders
// the list holds, or that come twice, are left out of each section). The tray application opens no
// menu for an empty list, whatever the rest.
FoldersMenu BuildFoldersMenu(const FolderList& folders, const std::vector<std::string>& recent,
                             const FoldersMenuSurroundings& around = {});

}  // namespace dm
