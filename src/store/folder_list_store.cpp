#include "store/folder_list_store.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/stored_number.h"
#include "store/settings_keys.h"

namespace dm {

namespace {

unsigned ReadStoredCount(SettingsStore& store) {
  return StoredCount(
      ReadSetting(store, keys::kApplication, keys::kSection, keys::kAmount, keys::kAmountDefault));
}

}  // namespace

FolderList LoadFolderList(SettingsStore& store) {
  const unsigned count = ReadStoredCount(store);
  std::vector<std::string> stored;
  stored.reserve(count);
  for (unsigned i = 1; i <= count; ++i) {
    stored.push_back(ReadSetting(store, keys::kApplication, keys::kSection, keys::PathKey(i)));
  }
  return FolderList(std::move(stored));
}

void SaveFolderList(SettingsStore& store, const FolderList& folders, bool clipboardChecked) {
  const auto count = static_cast<unsigned>(folders.Count());
  const unsigned old = ReadStoredCount(store);
  for (unsigned i = count + 1u; i <= old; ++i) {
    DeleteSetting(store, keys::kApplication, keys::kSection, keys::PathKey(i));
  }
  if (count != old) {
    WriteSetting(store, keys::kApplication, keys::kSection, keys::kAmount, DecimalText(count));
  }
  if (count == 0) return;
  for (unsigned i = 1; i <= count; ++i) {
    WriteSetting(store, keys::kApplication, keys::kSection, keys::PathKey(i), folders.At(i - 1));
  }
  WriteSetting(store, keys::kApplication, keys::kSection, keys::kClipboard,
               clipboardChecked ? keys::kTrue : keys::kFalse);
}

}  // namespace dm
