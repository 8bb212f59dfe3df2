#pragma once
// The settings store in the registry: HKEY_CURRENT_USER\Software\<application>\<section>, one
// text value (REG_SZ) per key.

#include <windows.h>

#include "platform/settings_store.h"

namespace dm::win {

class RegistrySettingsStore final : public SettingsStore {
 public:
  explicit RegistrySettingsStore(HKEY root = HKEY_CURRENT_USER) : root_(root) {}

  std::optional<std::string> Get(std::string_view app, std::string_view section,
                                 std::string_view key) override;
  void Put(std::string_view app, std::string_view section, std::string_view key,
           std::string_view value) override;
  void Remove(std::string_view app, std::string_view section, std::string_view key) override;

 private:
  HKEY root_;
};

}  // namespace dm::win
