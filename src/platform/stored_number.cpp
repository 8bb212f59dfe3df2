#include "platform/stored_number.h"

#include <charconv>

namespace dm {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  // One sign at most: from_chars would take the "-" of "+-3".
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

std::uint8_t StoredCount(std::string_view text) {
  const auto value = ParseWholeNumber(text);
  if (!value || *value < 0) return 0;
  if (*value > 255) return 255;
  return static_cast<std::uint8_t>(*value);
}

std::string DecimalText(std::int64_t value) { return std::to_string(value); }

}  // namespace dm
