#pragma once
// An in-memory settings store that records every operation in order, so tests can compare the
// store traffic of a save or a load as a log.

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/settings_store.h"

namespace dm::test {

class MemorySettingsStore final : public SettingsStore {
 public:
  std::optional<std::string> Get(std::string_view app, std::string_view section,
                                 std::string_view key) override;
  void Put(std::string_view app, std::string_view section, std::string_view key,
           std::string_view value) override;
  void Remove(std::string_view app, std::string_view section, std::string_view key) override;

  // Seeds a value without logging it (under Vantrel\Dashmarks unless told otherwise).
  void Seed(const std::string& key, const std::string& value, const std::string& app = "Vantrel",
            const std::string& section = "Dashmarks");
  bool Has(const std::string& key) const;
  std::string Value(const std::string& key) const;
  // Every key under Vantrel\Dashmarks with its value.
  std::map<std::string, std::string> Values() const;

  // "read Amount", "write Amount=2", "delete Path3" for keys under Vantrel\Dashmarks; other
  // addresses are logged in full.
  const std::vector<std::string>& Log() const { return log_; }
  // Only the writes and deletes, in order.
  std::vector<std::string> Changes() const;
  void ClearLog() { log_.clear(); }

 private:
  using Address = std::tuple<std::string, std::string, std::string>;
  static std::string Describe(std::string_view app, std::string_view section, std::string_view key);

  std::map<Address, std::string> values_;
  std::vector<std::string> log_;
};

}  // namespace dm::test
