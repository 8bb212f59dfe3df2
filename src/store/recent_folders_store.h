#pragma once
// Moves the recent folders between the settings store and the program.

#include "platform/settings_store.h"
#include "store/recent_folders.h"

namespace dm {

// Reads Recent1..Recent8, in that order. A missing value is passed over; a value that is no folder
// path, or repeats an earlier one, is left out (see RecentFolders) and never keeps the others out.
RecentFolders LoadRecentFolders(SettingsStore& store);

// Brings Recent1..Recent8 in line with the list: the newest folder in Recent1 and so on, a value
// the store already holds not written again, and the values above the list's count deleted where
// there are any. No other value is touched.
void StoreRecentFolders(SettingsStore& store, const RecentFolders& recent);

}  // namespace dm
