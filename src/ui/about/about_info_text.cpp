#include "ui/about/about_info_text.h"

#include "text/utf8.h"

namespace dm {

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
