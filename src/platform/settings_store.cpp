#include "platform/settings_store.h"

namespace dm {

std::string ReadSetting(SettingsStore& store, std::string_view app, std::string_view section,
                        std::string_view key, std::string_view defaultText) {
  if (auto value = store.Get(app, section, key)) return *std::move(value);
  return std::string(defaultText);
}

void WriteSetting(SettingsStore& store, std::string_view app, std::string_view section, std::string_view key,
                  std::string_view value) {
  store.Put(app, section, key, value);
}

void DeleteSetting(SettingsStore& store, std::string_view app, std::string_view section,
                   std::string_view key) {
  store.Remove(app, section, key);
}

}  // namespace dm
