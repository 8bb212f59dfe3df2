#include "support/memory_settings_store.h"

namespace dm::test {

std::string MemorySettingsStore::Describe(std::string_view app, std::string_view section,
                                          std::string_view key) {
  if (app == "Vantrel" && section == "Dashmarks") return std::string(key);
  return std::string(app) + "\\" + std::string(section) + "\\" + std::string(key);
}

std::optional<std::string> MemorySettingsStore::Get(std::string_view app, std::string_view section,
                                                    std::string_view key) {
  log_.push_back("read " + Describe(app, section, key));
  auto it = values_.find({std::string(app), std::string(section), std::string(key)});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void MemorySettingsStore::Put(std::string_view app, std::string_view section, std::string_view key,
                              std::string_view value) {
  log_.push_back("write " + Describe(app, section, key) + "=" + std::string(value));
  values_[{std::string(app), std::string(section), std::string(key)}] = std::string(value);
}

void MemorySettingsStore::Remove(std::string_view app, std::string_view section, std::string_view key) {
  log_.push_back("delete " + Describe(app, section, key));
  values_.erase({std::string(app), std::string(section), std::string(key)});
}

void MemorySettingsStore::Seed(const std::string& key, const std::string& value, const std::string& app,
                               const std::string& section) {
  values_[{app, section, key}] = value;
}

bool MemorySettingsStore::Has(const std::string& key) const {
  return values_.count({"Vantrel", "Dashmarks", key}) != 0;
}

std::string MemorySettingsStore::Value(const std::string& key) const {
  auto it = values_.find({"Vantrel", "Dashmarks", key});
  return it == values_.end() ? std::string("<absent>") : it->second;
}

std::map<std::string, std::string> MemorySettingsStore::Values() const {
  std::map<std::string, std::string> out;
  for (const auto& [address, value] : values_) {
    if (std::get<0>(address) == "Vantrel" && std::get<1>(address) == "Dashmarks") {
      out[std::get<2>(address)] = value;
    }
  }
  return out;
}

std::vector<std::string> MemorySettingsStore::Changes() const {
  std::vector<std::string> out;
  for (const auto& entry : log_) {
    if (entry.rfind("read ", 0) != 0) out.push_back(entry);
  }
  return out;
}

}  // namespace dm::test
