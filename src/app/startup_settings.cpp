#include "app/startup_settings.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "store/stored_number.h"

namespace dm {

namespace {

std::string TrimmedLower(std::string_view text) {
  auto notBlank = [](unsigned char c) { return !std::isspace(c); };
  auto first = std::find_if(text.begin(), text.end(), notBlank);
  auto last = std::find_if(text.rbegin(), text.rend(), notBlank).base();
  std::string word(first, first < last ? last : first);
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

}  // namespace

bool ClipboardOptionFromText(std::string_view text) { return TrimmedLower(text) != "false"; }

bool NoticesFromText(std::string_view text) { return TrimmedLower(text) != "false"; }

ProcessPriority PriorityFromText(std::string_view text) {
  // The stored numbers are those of the settings' first version; they are read, never written.
  constexpr std::int64_t kStoredIdle = 64;
  constexpr std::int64_t kStoredHigh = 128;
  const auto value = ParseWholeNumber(text);
  if (value == kStoredIdle) return ProcessPriority::Idle;
  if (value == kStoredHigh) return ProcessPriority::High;
  return ProcessPriority::Normal;
}

std::string TrayTipText(std::size_t folderCount) { return std::to_string(folderCount) + " Dashmarks"; }

}  // namespace dm
