#include "ui/main/folders_menu_keys.h"

#include "text/utf8.h"
#include "ui/main/menu_entry_text.h"

namespace dm::folders_menu {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The small letter of a capital of the Latin, Greek and Cyrillic alphabets; any other character as
// it is. Folder names are compared the way the user reads them, not byte for byte.
char32_t SmallLetter(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1, not the multiplication sign
  if (c == 0x178) return 0xFF;                               // Y with diaeresis
  if (c >= 0x100 && c <= 0x17F) {
    // Latin Extended-A pairs a capital with its small letter, capitals first; the pairs begin at an
    // even code point except from U+0139 to U+0148 and from U+0179 to U+017E.
    const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool noPair = c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F;
    if (noPair) return c;
    const bool capital = oddPairs ? (c % 2 == 1) : (c % 2 == 0);
    return capital ? c + 1 : c;
  }
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;  // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;                // Cyrillic with marks
  return c;
}

std::optional<char32_t> FirstCharacter(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::size_t pos = 0;
  return NextCodePoint(text, pos);
}

}  // namespace

std::string LastName(std::string_view folder) {
  // The menu shows a folder with its access-key markers left out; the name is found as it shows.
  const std::string shown = ShownMenuText(folder);
  std::size_t end = shown.size();
  while (end > 0 && IsSeparator(shown[end - 1])) --end;
  std::size_t begin = end;
  while (begin > 0 && !IsSeparator(shown[begin - 1])) --begin;
  return shown.substr(begin, end - begin);
}

KeyAnswer AnswerKey(char32_t key, const std::vector<std::string>& folders,
                    std::optional<std::size_t> highlighted) {
  if (key >= U'0' && key <= U'9') {
    const std::size_t number = key - U'0';
    if (number == 0 || number > folders.size()) return {};
    return {KeyAction::Choose, number};
  }
  if (key <= U' ' || folders.empty()) return {};
  const char32_t wanted = SmallLetter(key);
  // The search begins after the highlighted entry (after the heading when none is) and wraps round.
  const std::size_t start = highlighted && *highlighted <= folders.size() ? *highlighted : 0;
  for (std::size_t step = 1; step <= folders.size(); ++step) {
    const std::size_t item = (start + step - 1) % folders.size() + 1;
    const auto first = FirstCharacter(LastName(folders[item - 1]));
    if (first && SmallLetter(*first) == wanted) return {KeyAction::Highlight, item};
  }
  return {};
}

}  // namespace dm::folders_menu
