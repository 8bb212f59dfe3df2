#pragma once
// The system folder browser, as the editor's Add button runs it.

#include <windows.h>

#include <string>

namespace dm::win {

// Runs the folder browser owned by owner (file-system folders only) and returns the chosen
// folder's path as UTF-8, or empty text when the user cancelled or chose a folder without a
// file-system path.
std::string BrowseForFolderPath(HWND owner);

// The file-system path of an item-id list as UTF-8, or empty text for an item without one. Names
// outside the ANSI code page come back whole.
std::string PathOfItemIdList(const void* list);

}  // namespace dm::win
