#pragma once
// Keystrokes as the keyboard service sends them: a list of presses, each with the modifier keys
// held around it. A press is either a named key or one literal character.

#include <cstdint>
#include <vector>

namespace dm {

enum class NamedKey : std::uint8_t {
  kEnter,
  kBackspace,
  kTab,
  kEscape,
  kLeft,
  kRight,
  kUp,
  kDown,
  kHome,
  kEnd,
  kPageUp,
  kPageDown,
  kInsert,
  kDelete,
  kBreak,
  kCapsLock,
  kNumLock,
  kScrollLock,
  kPrintScreen,
  kHelp,
  kAdd,
  kSubtract,
  kMultiply,
  kDivide,
  kF1,  // kF1 + n - 1 is function key n, up to kF16.
  kF16 = kF1 + 15,
};

namespace modifier {
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kShift = 1;
inline constexpr std::uint8_t kCtrl = 2;
inline constexpr std::uint8_t kAlt = 4;
}  // namespace modifier

struct KeyPress {
  std::uint8_t modifiers = modifier::kNone;
  bool named = false;
  NamedKey key = NamedKey::kEnter;  // when named
  char32_t character = 0;           // when not named

  friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

using KeySequence = std::vector<KeyPress>;

}  // namespace dm
