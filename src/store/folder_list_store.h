#pragma once
// Moves the folder list between the settings store and the program.

#include "platform/settings_store.h"
#include "store/folder_list.h"

namespace dm {

// Reads "Amount" and Path1..PathAmount, in that order. A bad "Amount" reads as 0 (not a whole
// number) or 255 (above); a missing Path key between two that exist reads as empty text, and the
// list ends with the last Path key there is (an "Amount" above the keys stored makes no empty
// entries); keys beyond the count are left alone.
FolderList LoadFolderList(SettingsStore& store);

// Brings the store in line with the list: deletes the keys of positions that no longer hold a
// folder, writes "Amount" if the list's count differs from the count the store's keys load as and,
// only while the list holds a folder, every path in the list's order and the clipboard option.
void SaveFolderList(SettingsStore& store, const FolderList& folders, bool pastes);

// Stores a change as soon as it is made, so that a program ended by force loses nothing: the same
// keys, values and order SaveFolderList writes for the list, but a value the store already holds
// is not written again. "Clipboard" is left alone.
void StoreFolderListChanges(SettingsStore& store, const FolderList& folders);

// Stores the clipboard option ("True" or "False") unless the store already holds it.
void StoreClipboardOption(SettingsStore& store, bool pastes);

}  // namespace dm
