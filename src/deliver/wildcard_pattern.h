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
#include <utility>
#include <vector>

namespace dm {

// A pattern read once, for matching many texts without allocating.
class WildcardPattern {
 public:
  explicit WildcardPattern(std::string_view pattern);
  bool Matches(std::string_view text) const;

 private:
  struct Token {
    enum class Kind { Star, Any, Digit, List, Literal };
    Kind kind = Kind::Literal;
    char32_t literal = 0;
    bool negated = false;
    std::size_t firstRange = 0;  // kList: its ranges in ranges_
    std::size_t rangeCount = 0;
  };
  bool MatchesOne(const Token& token, char32_t c) const;

  bool wellFormed_ = false;
  // The pattern begins with one character's test, so most texts are refused at their first byte.
  bool firstTest_ = false;
  std::vector<Token> tokens_;
  std::vector<std::pair<char32_t, char32_t>> ranges_;
};

bool MatchesPattern(std::string_view text, std::string_view pattern);

}  // namespace dm
