#pragma once
// The folder hotkey as the user writes it in the "Hotkey" setting: modifiers and one key joined
// by "+", such as "Ctrl+G" or "Ctrl+Alt+F".

#include <optional>
#include <string>
#include <string_view>

namespace dm {

struct Hotkey {
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  bool win = false;
  char key = 0;         // 'A'..'Z' or '0'..'9'; 0 for a function key
  int functionKey = 0;  // 1..24 for F1..F24; 0 for a letter or digit
  friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

inline constexpr std::string_view kDefaultHotkeyText = "Ctrl+G";

// The modifiers Ctrl (or Control), Alt, Shift and Win, each at most once and in any order, then one
// letter, digit or function key F1 to F24; letters in either case, blanks around the parts.
// At least one of Ctrl, Alt and Win is needed: a key with Shift alone, or none, is typing. Nothing
// when the text is not such a key.
std::optional<Hotkey> ParseHotkey(std::string_view text);

enum class HotkeyChoice {
  On,          // the key parsed
  Off,         // the setting is empty (or blank): the user turned the hotkey off
  Unreadable,  // the setting is not a key
};

struct HotkeySetting {
  HotkeyChoice choice = HotkeyChoice::Off;
  Hotkey key;
};

// The setting as stored: absent means the default Ctrl+G.
HotkeySetting HotkeySettingFromText(const std::optional<std::string>& stored);

// The key in the setting's own form ("Ctrl+Alt+F"), for trace lines.
std::string HotkeyText(const Hotkey& key);

}  // namespace dm
