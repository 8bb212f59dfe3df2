#include "ui/about/about_text.h"

#include <algorithm>
#include "text/utf8.h"

namespace dm {

DigitGrouping DigitGrouping::FromPattern(std::string_view separator, std::string_view pattern) {
  DigitGrouping grouping{std::string(separator), {}, false};
  std::size_t start = 0;
  while (start <= pattern.size()) {
    const std::size_t end = std::min(pattern.find(';', start), pattern.size());
    unsigned size = 0;
    bool digits = false;
    for (char c : pattern.substr(start, end - start)) {
      if (c < '0' || c > '9') continue;
      size = size * 10 + static_cast<unsigned>(c - '0');
      digits = true;
    }
    if (digits && size == 0) {
      // A closing zero repeats the group before it; a zero on its own means no grouping.
      grouping.repeatLast = !grouping.sizes.empty();
      break;
    }
    if (digits) grouping.sizes.push_back(size);
    start = end + 1;
  }
  return grouping;
}

std::string FormatGrouped(std::uint64_t value, const DigitGrouping& grouping) {
  const std::string digits = std::to_string(value);
  std::vector<std::string_view> groups;  // right to left
  std::string_view rest = digits;
  std::size_t next = 0;
  while (!rest.empty()) {
    unsigned size = 0;
    if (next < grouping.sizes.size()) {
      size = grouping.sizes[next++];
    } else if (grouping.repeatLast && !grouping.sizes.empty()) {
      size = grouping.sizes.back();
    }
    if (size == 0 || size >= rest.size()) {
      groups.push_back(rest);
      break;
    }
    groups.push_back(rest.substr(rest.size() - size));
    rest.remove_suffix(size);
  }
  std::string text;
  for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
    if (!text.empty()) text += grouping.separator;
    text += *it;
  }
  return text;
}

std::string MemoryLine(std::uint64_t totalPhysicalBytes, const DigitGrouping& grouping) {
  const std::uint64_t kilobytes = totalPhysicalBytes / 1024 + (totalPhysicalBytes % 1024 >= 512 ? 1 : 0);
  return FormatGrouped(kilobytes, grouping) + " KB";
}

std::string FixedLengthText(std::string_view text, std::size_t length) {
  std::size_t characters = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    if (!IsUtf8Continuation(text[end])) {
      if (characters == length) break;
      ++characters;
    }
    ++end;
  }
  std::string fixed(text.substr(0, end));
  fixed.append(length - characters, ' ');
  return fixed;
}

std::string AboutInfoText(std::size_t folderCount) {
  return FixedLengthText(std::to_string(folderCount) + " Dashmarks are available", kAboutInfoTextLength);
}

}  // namespace dm
