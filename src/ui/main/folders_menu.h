#pragma once
// The Folders pop-up menu of the main window, opened by a click on the icon or the folder hotkey:
// what it holds and what choosing each entry means. The core builds it whenever the menu pops up
// and the Win32 layer draws it as it is, so a new section is a new run of items here.
//
// Top to bottom: a disabled heading; one entry for each folder of the folder list, in the list's
// order (items 1 to n, which the digit and letter keys work on, see folders_menu_keys.h); then,
// when there are recent folders the list does not hold, a separator and the "Recent" submenu:
// those folders newest first, a separator and "Clear recent".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/folder_list.h"

namespace dm {

namespace folders_menu {

inline constexpr std::string_view kHeading = "Available Dashmarks...";
inline constexpr std::string_view kRecent = "Recent";
inline constexpr std::string_view kClearRecent = "Clear recent";

}  // namespace folders_menu

// What choosing an entry asks of the program.
enum class FoldersMenuAction : std::uint8_t {
  None,           // nothing was chosen
  DeliverStored,  // deliver the folder at index of the folder list
  DeliverPath,    // deliver the folder at path (a recent folder)
  ClearRecent,    // forget the recent folders
};

struct FoldersMenuChoice {
  FoldersMenuAction action = FoldersMenuAction::None;
  std::size_t index = 0;  // DeliverStored
  std::string path;       // DeliverPath
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

// The menu for the folder list and the recent folders, newest first (those the list holds are
// left out). The tray application opens no menu for an empty list, whatever the recent folders.
FoldersMenu BuildFoldersMenu(const FolderList& folders, const std::vector<std::string>& recent);

}  // namespace dm
