#pragma once
// Renders the menu models as pop-up menus, at the pointer or at a given point, and tracks them.

#include <windows.h>

#include <cstddef>
#include <optional>

#include "app/icon_event.h"
#include "ui/main/configure_menu.h"
#include "ui/main/folders_menu.h"
#include "win32/windows/folders_menu_keys.h"

namespace dm::win {

// Both return when the menu closes: the choice of the entry chosen (None when none was) and the
// chosen command. The Folders menu is drawn as its model says, each entry fitted to the screen.
// at: where the menu opens; at the pointer when none is given. The menu takes the front while it is
// open; closed without a choice, it gives the front back to the window that had it before.
// keys: where the owner finds the open Folders menu when it answers WM_MENUCHAR.
FoldersMenuChoice TrackFoldersMenu(HWND owner, const FoldersMenu& model, std::optional<ScreenPoint> at,
                                   FoldersMenuKeys* keys = nullptr);
ConfigureCommand TrackConfigureMenu(HWND owner, const ConfigureMenu& model, std::optional<ScreenPoint> at);

}  // namespace dm::win
