#pragma once
// The program's own values in the settings store, all under one application and section
// (settings_keys.h lists them).

#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace dm {

// The stored text, or nothing when the value is absent.
std::optional<std::string> FindStoredValue(SettingsStore& store, std::string_view key);
// The stored text, or the caller's default when the value is absent.
std::string ReadStoredValue(SettingsStore& store, std::string_view key, std::string_view defaultText = {});
void WriteStoredValue(SettingsStore& store, std::string_view key, std::string_view value);
// Removes the value; an absent one leaves the store unchanged.
void RemoveStoredValue(SettingsStore& store, std::string_view key);

}  // namespace dm
