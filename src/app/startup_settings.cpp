#include "app/startup_settings.h"

#include <algorithm>
#include <cctype>

#include "platform/stored_number.h"

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

int PriorityClassFromText(std::string_view text) {
  const auto value = ParseWholeNumber(text);
  if (value &&
      (*value == kNormalPriorityClass || *value == kIdlePriorityClass || *value == kHighPriorityClass)) {
    return static_cast<int>(*value);
  }
  return kNormalPriorityClass;
}

std::string TrayTipText(unsigned pathCount) { return std::to_string(pathCount) + " Dashmarks"; }

}  // namespace dm
