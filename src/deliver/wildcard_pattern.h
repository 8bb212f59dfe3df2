#pragma once
// The wildcard language of the window search, matched against a whole text:
//   "*"  any run of characters, including none
//   "?"  any one character
//   "#"  any one digit
//   "[list]" one character from the list; "[!list]" one character not in it; "a-z" in a list
//        is a range. Inside a list every other character stands for itself, so "[#]" is "#".
//   any other character matches only itself (case-sensitive).
// A "[" without its "]" stands for itself. Text and pattern are UTF-8; a pattern or text that is
// not well-formed never matches.

#include <string_view>

namespace dm {

bool MatchesPattern(std::string_view text, std::string_view pattern);

}  // namespace dm
