#include "store/recent_folders_store.h"

#include <optional>
#include <string>
#include <vector>

#include "store/settings_keys.h"

namespace dm {

RecentFolders LoadRecentFolders(SettingsStore& store) {
  std::vector<std::string> stored;
  for (unsigned i = 1; i <= RecentFolders::kMaxFolders; ++i) {
    if (std::optional<std::string> folder =
            store.Get(keys::kApplication, keys::kSection, keys::RecentKey(i))) {
      stored.push_back(*std::move(folder));
    }
  }
  return RecentFolders(stored);
}

void StoreRecentFolders(SettingsStore& store, const RecentFolders& recent) {
  const std::vector<std::string>& folders = recent.Folders();
  for (unsigned i = 1; i <= RecentFolders::kMaxFolders; ++i) {
    const std::string key = keys::RecentKey(i);
    const std::optional<std::string> stored = store.Get(keys::kApplication, keys::kSection, key);
    if (i <= folders.size()) {
      if (!stored || *stored != folders[i - 1]) {
        WriteSetting(store, keys::kApplication, keys::kSection, key, folders[i - 1]);
      }
    } else if (stored) {
      DeleteSetting(store, keys::kApplication, keys::kSection, key);
    }
  }
}

}  // namespace dm
