#include "store/path_list_store.h"

#include "platform/stored_number.h"
#include "store/settings_keys.h"

namespace dm {

namespace {

std::uint8_t ReadStoredCount(SettingsStore& store) {
  return StoredCount(
      ReadSetting(store, keys::kApplication, keys::kSection, keys::kAmount, keys::kAmountDefault));
}

}  // namespace

void LoadPathList(SettingsStore& store, FoldersMenu& menu, std::uint8_t& pathCount) {
  pathCount = ReadStoredCount(store);
  for (unsigned i = 1; i <= pathCount; ++i) {
    const std::string text = ReadSetting(store, keys::kApplication, keys::kSection, keys::PathKey(i));
    menu.AddMenuItem(static_cast<std::uint8_t>(i), text);
  }
}

void SavePathList(SettingsStore& store, const FoldersMenu& menu, std::uint8_t pathCount,
                  bool clipboardChecked, const std::function<void()>& processPendingMessages) {
  const std::uint8_t old = ReadStoredCount(store);
  for (unsigned i = pathCount + 1u; i <= old; ++i) {
    DeleteSetting(store, keys::kApplication, keys::kSection, keys::PathKey(i));
  }
  if (pathCount != old) {
    WriteSetting(store, keys::kApplication, keys::kSection, keys::kAmount, DecimalText(pathCount));
  }
  if (pathCount == 0) return;
  for (unsigned i = 1; i <= pathCount; ++i) {
    WriteSetting(store, keys::kApplication, keys::kSection, keys::PathKey(i), menu.Caption(i));
  }
  WriteSetting(store, keys::kApplication, keys::kSection, keys::kClipboard,
               clipboardChecked ? keys::kTrue : keys::kFalse);
  if (processPendingMessages) processPendingMessages();
}

}  // namespace dm
