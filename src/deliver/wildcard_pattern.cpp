#include "deliver/wildcard_pattern.h"

#include <optional>
#include <string>
#include <vector>

#include "deliver/utf8.h"

namespace dm {
namespace {

struct Token {
  enum class Kind { kStar, kAny, kDigit, kList, kLiteral };
  explicit Token(Kind k) : kind(k) {}
  Kind kind;
  char32_t literal = 0;
  bool negated = false;
  std::vector<std::pair<char32_t, char32_t>> ranges;  // for kList
};

std::vector<Token> Tokenize(const std::u32string& pattern) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char32_t c = pattern[i];
    if (c == U'*') {
      if (tokens.empty() || tokens.back().kind != Token::Kind::kStar) tokens.emplace_back(Token::Kind::kStar);
    } else if (c == U'?') {
      tokens.emplace_back(Token::Kind::kAny);
    } else if (c == U'#') {
      tokens.emplace_back(Token::Kind::kDigit);
    } else if (c == U'[' && pattern.find(U']', i + 1) != std::u32string::npos) {
      const std::size_t close = pattern.find(U']', i + 1);
      Token list(Token::Kind::kList);
      std::size_t j = i + 1;
      if (j < close && pattern[j] == U'!') {
        list.negated = true;
        ++j;
      }
      for (; j < close; ++j) {
        if (j + 2 < close && pattern[j + 1] == U'-') {
          list.ranges.emplace_back(pattern[j], pattern[j + 2]);
          j += 2;
        } else {
          list.ranges.emplace_back(pattern[j], pattern[j]);
        }
      }
      tokens.push_back(std::move(list));
      i = close;
    } else {
      Token literal(Token::Kind::kLiteral);
      literal.literal = c;
      tokens.push_back(std::move(literal));
    }
  }
  return tokens;
}

bool MatchesOne(const Token& token, char32_t c) {
  switch (token.kind) {
    case Token::Kind::kAny:
      return true;
    case Token::Kind::kDigit:
      return c >= U'0' && c <= U'9';
    case Token::Kind::kLiteral:
      return c == token.literal;
    case Token::Kind::kList: {
      bool inList = false;
      for (const auto& [low, high] : token.ranges) inList = inList || (c >= low && c <= high);
      return inList != token.negated;
    }
    case Token::Kind::kStar:
      break;
  }
  return false;
}

}  // namespace

bool MatchesPattern(std::string_view textUtf8, std::string_view patternUtf8) {
  const std::optional<std::u32string> text = DecodeUtf8(textUtf8);
  const std::optional<std::u32string> pattern = DecodeUtf8(patternUtf8);
  if (!text || !pattern) return false;
  const std::vector<Token> tokens = Tokenize(*pattern);

  // Greedy scan that falls back to the most recent star on a mismatch.
  std::size_t t = 0;
  std::size_t p = 0;
  std::optional<std::size_t> starToken;
  std::size_t starText = 0;
  while (t < text->size()) {
    if (p < tokens.size() && tokens[p].kind == Token::Kind::kStar) {
      starToken = p++;
      starText = t;
    } else if (p < tokens.size() && MatchesOne(tokens[p], (*text)[t])) {
      ++p;
      ++t;
    } else if (starToken) {
      p = *starToken + 1;
      t = ++starText;
    } else {
      return false;
    }
  }
  while (p < tokens.size() && tokens[p].kind == Token::Kind::kStar) ++p;
  return p == tokens.size();
}

}  // namespace dm
