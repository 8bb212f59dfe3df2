#pragma once
// Keystrokes as the keyboard service sends them: a list of presses, each with the modifier keys
// held around it. A press is either a named key or one literal character.

#include <cstdint>
#include <vector>

namespace dm {

enum class NamedKey : std::uint8_t {
  Enter,
  Backspace,
  Tab,
  Escape,
  Left,
  Right,
  Up,
  Down,
  Home,
  End,
  PageUp,
  PageDown,
  Insert,
  Delete,
  Break,
  CapsLock,
  NumLock,
  ScrollLock,
  PrintScreen,
  Help,
  Add,
  Subtract,
  Multiply,
  Divide,
  F1,  // F1 + n - 1 is function key n, up to F16.
  F16 = F1 + 15,
};

// Function key n, from 1 to 16.
constexpr NamedKey FunctionKey(int n) {
  return static_cast<NamedKey>(static_cast<int>(NamedKey::F1) + n - 1);
}

namespace modifier {
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kShift = 1;
inline constexpr std::uint8_t kCtrl = 2;
inline constexpr std::uint8_t kAlt = 4;
}  // namespace modifier

struct KeyPress {
  std::uint8_t modifiers = modifier::kNone;
  bool named = false;
  NamedKey key = NamedKey::Enter;  // when named
  char32_t character = 0;          // when not named

  static constexpr KeyPress Named(NamedKey key, std::uint8_t modifiers = modifier::kNone) {
    return {modifiers, true, key, 0};
  }
  static constexpr KeyPress Character(char32_t character, std::uint8_t modifiers = modifier::kNone) {
    return {modifiers, false, NamedKey::Enter, character};
  }

  friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

using KeySequence = std::vector<KeyPress>;

}  // namespace dm
