#include "deliver/wildcard_pattern.h"

#include <optional>
#include <string>

#include "text/utf8.h"

namespace dm {
namespace {

// The code point at pos, advancing pos past it; ASCII, most of what a search reads, without a call.
std::optional<char32_t> Next(std::string_view text, std::size_t& pos) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte < 0x80) {
    ++pos;
    return byte;
  }
  return NextCodePoint(text, pos);
}

}  // namespace

WildcardPattern::WildcardPattern(std::string_view patternUtf8) {
  const std::optional<std::u32string> decoded = DecodeUtf8(patternUtf8);
  if (!decoded) return;
  wellFormed_ = true;
  const std::u32string& pattern = *decoded;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char32_t c = pattern[i];
    Token token;
    if (c == U'*') {
      if (!tokens_.empty() && tokens_.back().kind == Token::Kind::Star) continue;
      token.kind = Token::Kind::Star;
    } else if (c == U'?') {
      token.kind = Token::Kind::Any;
    } else if (c == U'#') {
      token.kind = Token::Kind::Digit;
    } else if (c == U'[' && pattern.find(U']', i + 1) != std::u32string::npos) {
      const std::size_t close = pattern.find(U']', i + 1);
      token.kind = Token::Kind::List;
      token.firstRange = ranges_.size();
      std::size_t j = i + 1;
      if (j < close && pattern[j] == U'!') {
        token.negated = true;
        ++j;
      }
      for (; j < close; ++j) {
        if (j + 2 < close && pattern[j + 1] == U'-') {
          ranges_.emplace_back(pattern[j], pattern[j + 2]);
          j += 2;
        } else {
          ranges_.emplace_back(pattern[j], pattern[j]);
        }
      }
      token.rangeCount = ranges_.size() - token.firstRange;
      i = close;
    } else {
      token.literal = c;
    }
    tokens_.push_back(token);
  }
  firstTest_ = !tokens_.empty() && tokens_.front().kind != Token::Kind::Star;
}

bool WildcardPattern::MatchesOne(const Token& token, char32_t c) const {
  switch (token.kind) {
    case Token::Kind::Any:
      return true;
    case Token::Kind::Digit:
      return c >= U'0' && c <= U'9';
    case Token::Kind::Literal:
      return c == token.literal;
    case Token::Kind::List: {
      bool inList = false;
      for (std::size_t r = token.firstRange; r < token.firstRange + token.rangeCount; ++r) {
        inList = inList || (c >= ranges_[r].first && c <= ranges_[r].second);
      }
      return inList != token.negated;
    }
    case Token::Kind::Star:
      break;
  }
  return false;
}

bool WildcardPattern::Matches(std::string_view text) const {
  if (!wellFormed_) return false;
  if (firstTest_ && !text.empty()) {
    const auto first = static_cast<unsigned char>(text.front());
    if (first < 0x80 && !MatchesOne(tokens_.front(), first)) return false;
  }
  // Greedy scan that falls back to the most recent star on a mismatch. The text is decoded as
  // the scan goes: every code point is read before a match is reported, so text that is not
  // well-formed never matches.
  std::size_t t = 0;  // byte offset of the next code point
  std::size_t p = 0;
  std::optional<std::size_t> starToken;
  std::size_t starText = 0;  // byte offset where the star's run ends so far
  while (t < text.size()) {
    if (p < tokens_.size() && tokens_[p].kind == Token::Kind::Star) {
      starToken = p++;
      starText = t;
      continue;
    }
    std::size_t next = t;
    const std::optional<char32_t> c = Next(text, next);
    if (!c) return false;
    if (p < tokens_.size() && MatchesOne(tokens_[p], *c)) {
      ++p;
      t = next;
    } else if (starToken) {
      p = *starToken + 1;
      if (!Next(text, starText)) return false;
      t = starText;
    } else {
      return false;
    }
  }
  while (p < tokens_.size() && tokens_[p].kind == Token::Kind::Star) ++p;
  return p == tokens_.size();
}

bool MatchesPattern(std::string_view text, std::string_view pattern) {
  return WildcardPattern(pattern).Matches(text);
}

}  // namespace dm
