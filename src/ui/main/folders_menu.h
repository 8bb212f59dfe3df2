#pragma once
// The Folders pop-up menu of the main window: a disabled heading, then one entry for each folder
// of the folder list, in the list's order. The Win32 layer draws it from the list whenever it
// pops up.

#include <string_view>

namespace dm::folders_menu {

inline constexpr std::string_view kHeading = "Available Dashmarks...";

}  // namespace dm::folders_menu
