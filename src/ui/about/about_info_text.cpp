#include "ui/about/about_info_text.h"

namespace dm {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string FixedLengthText(std::string_view text, std::size_t length) {
  std::size_t characters = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    if (!IsContinuationByte(text[end])) {
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
