#include "deliver/wildcard_pattern.h"

#include <gtest/gtest.h>

namespace dm {
namespace {

struct PatternCase {
  const char* text;
  const char* pattern;
  bool matches;
};

class WildcardPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(WildcardPatternTest, MatchesTheWholeText) {
  const PatternCase& c = GetParam();
  EXPECT_EQ(MatchesPattern(c.text, c.pattern), c.matches) << '"' << c.text << "\" vs \"" << c.pattern << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, WildcardPatternTest,
    testing::Values(
        // The two searches of the delivery.
        PatternCase{"#32770", "[#]32770", true}, PatternCase{"#327701", "[#]32770", false},
        PatternCase{"#3277", "[#]32770", false}, PatternCase{"X32770", "[#]32770", false},
        PatternCase{"ExploreWClass", "ExploreWClass", true},
        PatternCase{"explorewclass", "ExploreWClass", false},
        PatternCase{"ExploreWClass2", "ExploreWClass", false},
        // "*": any run, including none, anywhere.
        PatternCase{"", "*", true}, PatternCase{"Open", "*", true}, PatternCase{"Open", "O*", true},
        PatternCase{"Open", "*n", true}, PatternCase{"Save As", "S*e*s", true},
        PatternCase{"Save", "S*x", false}, PatternCase{"aXbXc", "*X*X*", true},
        PatternCase{"abcabd", "*abd", true}, PatternCase{"ab", "a**b", true},
        // "?" one character, "#" one digit.
        PatternCase{"a", "?", true}, PatternCase{"", "?", false}, PatternCase{"ab", "?", false},
        PatternCase{"7", "#", true}, PatternCase{"x", "#", false}, PatternCase{"#", "#", false},
        PatternCase{"v12", "v##", true},
        // Bracket lists, ranges, negation; metacharacters are literal inside.
        PatternCase{"b", "[abc]", true}, PatternCase{"d", "[abc]", false}, PatternCase{"k", "[a-z]", true},
        PatternCase{"K", "[a-z]", false}, PatternCase{"K", "[!a-z]", true}, PatternCase{"k", "[!a-z]", false},
        PatternCase{"*", "[*]", true}, PatternCase{"x", "[*]", false}, PatternCase{"?", "[?]", true},
        // An unclosed "[" stands for itself; text outside the language is literal.
        PatternCase{"[ab", "[ab", true}, PatternCase{"a.b", "a.b", true}, PatternCase{"a\\b", "a\\b", true},
        // One character is one code point, not one byte.
        PatternCase{"\xC3\xA9t\xC3\xA9", "?t?", true}, PatternCase{"\xC3\xA9", "??", false}));

TEST(WildcardPatternObjectTest, ReadOnceMatchesLikeMatchesPatternForEveryText) {
  const WildcardPattern dialog("[#]32770");
  EXPECT_TRUE(dialog.Matches("#32770"));
  EXPECT_FALSE(dialog.Matches("ExploreWClass"));
  EXPECT_TRUE(dialog.Matches("#32770"));  // the pattern is not used up by a match
  // Text that is not well-formed UTF-8 never matches, however late the fault and whatever the
  // pattern; a pattern that is not well-formed matches nothing.
  for (const char* text : {"\xFF", "ab\xFF", "ab\xC3", "\xC3\xA9\xED\xA0\x80"}) {
    EXPECT_FALSE(WildcardPattern("*").Matches(text)) << text;
    EXPECT_FALSE(WildcardPattern("a*").Matches(text)) << text;
    EXPECT_FALSE(MatchesPattern(text, "*?")) << text;
  }
  EXPECT_FALSE(WildcardPattern("\xFF*").Matches("anything"));
}

}  // namespace
}  // namespace dm
