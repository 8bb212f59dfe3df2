#pragma once
// Renders the menu models as pop-up menus at the pointer and tracks them.

#include <windows.h>

#include <cstddef>

#include "ui/main/configure_menu.h"
#include "ui/main/folders_menu.h"

namespace dm::win {

// Both return when the menu closes: the chosen mnuPath index (0 for none) and the chosen command.
std::size_t TrackFoldersMenu(HWND owner, const FoldersMenu& model);
ConfigureCommand TrackConfigureMenu(HWND owner, const ConfigureMenu& model);

}  // namespace dm::win
