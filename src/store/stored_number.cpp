#include "store/stored_number.h"

#include <charconv>

namespace dm {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

enum class Reading { Number, TooLarge, TooSmall, NotANumber };

// The text as a whole number, or how it fails to be one that fits in 64 bits.
Reading ReadWholeNumber(std::string_view text, std::int64_t& value) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  // One sign at most: from_chars would take the "-" of "+-3".
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return Reading::NotANumber;
  }
  if (text.empty()) return Reading::NotANumber;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ptr != end) return Reading::NotANumber;
  if (ec == std::errc::result_out_of_range)
    return text.front() == '-' ? Reading::TooSmall : Reading::TooLarge;
  return ec == std::errc{} ? Reading::Number : Reading::NotANumber;
}

}  // namespace

std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
  std::int64_t value = 0;
  if (ReadWholeNumber(text, value) != Reading::Number) return std::nullopt;
  return value;
}

std::uint8_t StoredCount(std::string_view text) {
  std::int64_t value = 0;
  switch (ReadWholeNumber(text, value)) {
    case Reading::TooLarge:
      return 255;
    case Reading::TooSmall:
    case Reading::NotANumber:
      return 0;
    case Reading::Number:
      break;
  }
  if (value < 0) return 0;
  if (value > 255) return 255;
  return static_cast<std::uint8_t>(value);
}

std::string DecimalText(std::int64_t value) { return std::to_string(value); }

}  // namespace dm
