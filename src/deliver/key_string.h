#pragma once
// The key-string language of the keystroke service.
//   "+" Shift, "^" Ctrl, "%" Alt: held for the next key or the next parenthesised group,
//        so "+(abc)" types a, b and c with Shift held; modifiers combine ("^+a").
//   "~"  Enter.
//   "{NAME}" a named key: ENTER, BS (BACKSPACE, BKSP), TAB, ESC, LEFT, RIGHT, UP, DOWN, HOME,
//        END, PGUP, PGDN, INSERT (INS), DELETE (DEL), BREAK, CAPSLOCK, NUMLOCK, SCROLLLOCK,
//        PRTSC, HELP, ADD, SUBTRACT, MULTIPLY, DIVIDE, F1..F16 (case does not matter).
//   "{x}" the character x itself, including the metacharacters: {+} {^} {%} {~} {(} {)} {{} {}}
//        {[} {]}.
//   "{NAME n}" / "{x n}" the key or character n times.
//   Every other character is typed as itself; "[" and "]" too, though they are better braced.
// Strings are UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/key_sequence.h"

namespace dm {

struct ParsedKeyString {
  bool ok = false;
  KeySequence keys;
  std::string error;       // what is wrong, when !ok
  std::size_t offset = 0;  // byte offset of the fault, when !ok
};

ParsedKeyString ParseKeyString(std::string_view keys);

// A key string that types text literally, whatever characters it holds.
std::string EscapeKeyString(std::string_view text);

}  // namespace dm
