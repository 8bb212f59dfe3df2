// The readings of hand-editable stored text: whole numbers, the path count, the clipboard option
// and the priority class. Each is checked against a plain reading of its documented rule.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "app/startup_settings.h"
#include "fuzz_check.h"
#include "store/stored_number.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks, at most one sign, one or more decimal digits, blanks; nothing when the text is not of
// that form or the value does not fit in 64 bits.
std::optional<std::int64_t> ReferenceWholeNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  // The magnitude, kept negative so that the smallest value fits too.
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const int digit = c - '0';
    if (value < (std::numeric_limits<std::int64_t>::min() + digit) / 10) return std::nullopt;
    value = value * 10 - digit;
  }
  if (negative) return value;
  if (value == std::numeric_limits<std::int64_t>::min()) return std::nullopt;
  return -value;
}

// A whole number of any length, read as a count: its sign decides a value beyond 64 bits.
std::int64_t ReferenceCount(std::string_view text) {
  if (const std::optional<std::int64_t> number = ReferenceWholeNumber(text)) {
    return *number < 0 ? 0 : (*number > 255 ? 255 : *number);
  }
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  if (text.empty()) return 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
  }
  return negative ? 0 : 255;
}

bool ReferenceClipboardOption(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  const std::string_view word = "false";
  if (text.size() != word.size()) return true;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const std::optional<std::int64_t> number = dm::ParseWholeNumber(text);
  DM_FUZZ_CHECK(number == ReferenceWholeNumber(text));
  if (number) DM_FUZZ_CHECK(dm::ParseWholeNumber(dm::DecimalText(*number)) == number);

  const std::int64_t count = ReferenceCount(text);
  DM_FUZZ_CHECK(dm::StoredCount(text) == count);

  const dm::ProcessPriority priority = dm::PriorityFromText(text);
  const dm::ProcessPriority expected = number == 64    ? dm::ProcessPriority::Idle
                                       : number == 128 ? dm::ProcessPriority::High
                                                       : dm::ProcessPriority::Normal;
  DM_FUZZ_CHECK(priority == expected);

  DM_FUZZ_CHECK(dm::ClipboardOptionFromText(text) == ReferenceClipboardOption(text));
  DM_FUZZ_CHECK(dm::TrayTipText(dm::StoredCount(text)) == std::to_string(count) + " Dashmarks");
  return 0;
}
