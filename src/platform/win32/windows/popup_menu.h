#pragma once
// Renders the menu models as pop-up menus at the pointer and tracks them.

#include <windows.h>

#include <cstddef>
#include <optional>

#include "store/folder_list.h"
#include "ui/main/configure_menu.h"

namespace dm::win {

// Both return when the menu closes: the position of the chosen folder in the list (nothing when
// none was chosen) and the chosen command. The Folders menu is the heading, then the list's folders.
std::optional<std::size_t> TrackFoldersMenu(HWND owner, const FolderList& folders);
ConfigureCommand TrackConfigureMenu(HWND owner, const ConfigureMenu& model);

}  // namespace dm::win
