#include "store/recent_folders_store.h"

#include <optional>
#include <string>
#include <vector>

#include "store/settings_keys.h"
#include "store/stored_settings.h"

namespace dm {

RecentFolders LoadRecentFolders(SettingsStore& store) {
  std::vector<std::string> stored;
  for (unsigned i = 1; i <= RecentFolders::kMaxFolders; ++i) {
    if (std::optional<std::string> folder = FindStoredValue(store, keys::RecentKey(i))) {
      stored.push_back(*std::move(folder));
    }
  }
  return RecentFolders(stored);
}

void StoreRecentFolders(SettingsStore& store, const RecentFolders& recent) {
  const std::vector<std::string>& folders = recent.Folders();
  for (unsigned i = 1; i <= RecentFolders::kMaxFolders; ++i) {
    const std::string key = keys::RecentKey(i);
    const std::optional<std::string> stored = FindStoredValue(store, key);
    if (i <= folders.size()) {
      if (!stored || *stored != folders[i - 1]) {
        WriteStoredValue(store, key, folders[i - 1]);
      }
    } else if (stored) {
      RemoveStoredValue(store, key);
    }
  }
}

}  // namespace dm
