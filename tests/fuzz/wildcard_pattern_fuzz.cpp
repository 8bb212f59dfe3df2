// The wildcard matcher. Input: a pattern, a NUL byte, a text (no NUL: the input is both).
// Checks MatchesPattern against a plain dynamic-programming matcher written from the language's
// description, and that a text matches "*" and its own literal pattern exactly when it is
// well-formed UTF-8.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "deliver/wildcard_pattern.h"
#include "fuzz_check.h"
#include "text/utf8.h"

namespace {

// One pattern element: a star, or a test of one character.
struct Element {
  bool star = false;
  bool any = false;
  bool digit = false;
  bool negated = false;
  std::vector<std::pair<char32_t, char32_t>> ranges;  // a list, or one literal as a range

  bool Accepts(char32_t c) const {
    if (any) return true;
    if (digit) return c >= U'0' && c <= U'9';
    bool in = false;
    for (const auto& [low, high] : ranges) in = in || (low <= c && c <= high);
    return in != negated;
  }
};

std::vector<Element> Elements(const std::u32string& pattern) {
  std::vector<Element> out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    Element e;
    const char32_t c = pattern[i];
    const std::size_t close = c == U'[' ? pattern.find(U']', i + 1) : std::u32string::npos;
    if (c == U'*') {
      e.star = true;
    } else if (c == U'?') {
      e.any = true;
    } else if (c == U'#') {
      e.digit = true;
    } else if (close != std::u32string::npos) {
      std::size_t j = i + 1;
      e.negated = j < close && pattern[j] == U'!';
      if (e.negated) ++j;
      while (j < close) {
        const bool range = j + 2 < close && pattern[j + 1] == U'-';
        e.ranges.emplace_back(pattern[j], pattern[range ? j + 2 : j]);
        j += range ? 3 : 1;
      }
      i = close;
    } else {
      e.ranges.emplace_back(c, c);
    }
    out.push_back(std::move(e));
  }
  return out;
}

// matches[i][j]: the first i elements match the first j characters.
bool ReferenceMatch(const std::u32string& text, const std::vector<Element>& elements) {
  std::vector<std::vector<char>> matches(elements.size() + 1, std::vector<char>(text.size() + 1, 0));
  matches[0][0] = 1;
  for (std::size_t i = 1; i <= elements.size(); ++i) {
    const Element& e = elements[i - 1];
    for (std::size_t j = 0; j <= text.size(); ++j) {
      if (e.star) {
        matches[i][j] = matches[i - 1][j] || (j > 0 && matches[i][j - 1]);
      } else {
        matches[i][j] = j > 0 && matches[i - 1][j - 1] && e.Accepts(text[j - 1]);
      }
    }
  }
  return matches[elements.size()][text.size()];
}

// A pattern that stands for text literally.
std::string LiteralPattern(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '*' || c == '?' || c == '#' || c == '[') {
      out += '[';
      out += c;
      out += ']';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = input.find('\0');
  const std::string_view pattern = input.substr(0, nul);
  const std::string_view text = nul == std::string_view::npos ? input : input.substr(nul + 1);

  const bool matches = dm::MatchesPattern(text, pattern);
  const std::optional<std::u32string> textChars = dm::DecodeUtf8(text);
  const std::optional<std::u32string> patternChars = dm::DecodeUtf8(pattern);
  if (!textChars || !patternChars) {
    DM_FUZZ_CHECK(!matches);
  } else if (textChars->size() * (patternChars->size() + 1) <= 1'000'000) {
    DM_FUZZ_CHECK(matches == ReferenceMatch(*textChars, Elements(*patternChars)));
  }
  DM_FUZZ_CHECK(dm::MatchesPattern(text, "*") == textChars.has_value());
  DM_FUZZ_CHECK(dm::MatchesPattern(text, LiteralPattern(text)) == textChars.has_value());
  return 0;
}
