#pragma once
// Moves the path list between the settings store and the Folders menu.

#include <cstdint>
#include <functional>

#include "platform/settings_store.h"
#include "ui/main/folders_menu.h"

namespace dm {

// Reads "Amount" and Path1..PathAmount into the Folders menu and sets pathCount.
// The menu must hold only its heading. A bad "Amount" reads as 0 (not a whole number) or 255
// (above); keys beyond the count are left alone.
void LoadPathList(SettingsStore& store, FoldersMenu& menu, std::uint8_t& pathCount);

// Brings the store in line with the Folders menu: deletes the keys of positions that no longer
// hold a path, writes "Amount" if it changed and, only while the list holds a path, every path
// and the clipboard option, then lets pending window messages be processed.
void SavePathList(SettingsStore& store, const FoldersMenu& menu, std::uint8_t pathCount,
                  bool clipboardChecked, const std::function<void()>& processPendingMessages);

}  // namespace dm
