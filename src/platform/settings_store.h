#pragma once
// The per-user settings store: text values addressed by application, section and key.

#include <optional>
#include <string>
#include <string_view>

namespace dm {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text, or nothing when the key is absent.
  virtual std::optional<std::string> Get(std::string_view app, std::string_view section,
                                         std::string_view key) = 0;
  // Creates the key, and the application and section levels, or replaces the value.
  virtual void Put(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) = 0;
  // Removes one key; an absent key leaves the store unchanged.
  virtual void Remove(std::string_view app, std::string_view section, std::string_view key) = 0;
};

}  // namespace dm
