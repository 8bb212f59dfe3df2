#include "store/stored_settings.h"

#include "store/settings_keys.h"

namespace dm {

std::optional<std::string> FindStoredValue(SettingsStore& store, std::string_view key) {
  return store.Get(keys::kApplication, keys::kSection, key);
}

std::string ReadStoredValue(SettingsStore& store, std::string_view key, std::string_view defaultText) {
  if (auto value = FindStoredValue(store, key)) return *std::move(value);
  return std::string(defaultText);
}

void WriteStoredValue(SettingsStore& store, std::string_view key, std::string_view value) {
  store.Put(keys::kApplication, keys::kSection, key, value);
}

void RemoveStoredValue(SettingsStore& store, std::string_view key) {
  store.Remove(keys::kApplication, keys::kSection, key);
}

}  // namespace dm
