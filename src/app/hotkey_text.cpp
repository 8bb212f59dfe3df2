#include "app/hotkey_text.h"

#include <cctype>

namespace dm {
namespace {

constexpr int kMaxFunctionKey = 24;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool SameLetters(std::string_view text, std::string_view name) {
  if (text.size() != name.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(name[i]))) {
      return false;
    }
  }
  return true;
}

// Sets the modifier the part names; false when it names none or one already set.
bool TakeModifier(std::string_view part, Hotkey& key) {
  bool* flag = nullptr;
  if (SameLetters(part, "Ctrl") || SameLetters(part, "Control")) flag = &key.ctrl;
  if (SameLetters(part, "Alt")) flag = &key.alt;
  if (SameLetters(part, "Shift")) flag = &key.shift;
  if (SameLetters(part, "Win")) flag = &key.win;
  if (flag == nullptr || *flag) return false;
  *flag = true;
  return true;
}

bool TakeKey(std::string_view part, Hotkey& key) {
  if (part.size() == 1) {
    const auto c = static_cast<unsigned char>(part[0]);
    if (std::isalpha(c) != 0 && c < 0x80) {
      key.key = static_cast<char>(std::toupper(c));
      return true;
    }
    if (std::isdigit(c) != 0) {
      key.key = static_cast<char>(c);
      return true;
    }
    return false;
  }
  if (part.size() < 2 || part.size() > 3 || (part[0] != 'F' && part[0] != 'f')) return false;
  int number = 0;
  for (const char c : part.substr(1)) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return false;
    number = number * 10 + (c - '0');
  }
  if (part[1] == '0' || number < 1 || number > kMaxFunctionKey) return false;
  key.functionKey = number;
  return true;
}

}  // namespace

std::optional<Hotkey> ParseHotkey(std::string_view text) {
  Hotkey key;
  std::size_t start = 0;
  while (true) {
    const std::size_t plus = text.find('+', start);
    const std::string_view part =
        Trimmed(text.substr(start, plus == std::string_view::npos ? text.npos : plus - start));
    if (plus == std::string_view::npos) {
      if (!TakeKey(part, key)) return std::nullopt;
      break;
    }
    if (!TakeModifier(part, key)) return std::nullopt;
    start = plus + 1;
  }
  if (!key.ctrl && !key.alt && !key.win) return std::nullopt;
  return key;
}

HotkeySetting HotkeySettingFromText(const std::optional<std::string>& stored) {
  const std::string_view text = stored ? std::string_view(*stored) : kDefaultHotkeyText;
  if (Trimmed(text).empty()) return {HotkeyChoice::Off, {}};
  if (const auto key = ParseHotkey(text)) return {HotkeyChoice::On, *key};
  return {HotkeyChoice::Unreadable, {}};
}

std::string HotkeyText(const Hotkey& key) {
  std::string text;
  if (key.ctrl) text += "Ctrl+";
  if (key.alt) text += "Alt+";
  if (key.shift) text += "Shift+";
  if (key.win) text += "Win+";
  if (key.functionKey != 0) return text + "F" + std::to_string(key.functionKey);
  return text + key.key;
}

}  // namespace dm
