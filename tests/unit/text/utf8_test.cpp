// UTF-8 and UTF-16 text: code points beyond the first plane, surrogates and malformed input.

#include "text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace dm {
namespace {

TEST(Utf16ToUtf8, PairsJoinAndLoneSurrogatesBecomeTheReplacementCharacter) {
  struct Case {
    std::u16string utf16;
    std::string utf8;
  };
  const Case cases[] = {
      {u"Dashmark Access", "Dashmark Access"},
      {u"\u0142\u00f3d\u017a",
       "\xC5\x82\xC3\xB3"
       "d\xC5\xBA"},                        // łódź
      {u"\U0001F4C1", "\xF0\x9F\x93\x81"},  // a surrogate pair
      {std::u16string(1, char16_t{0xD83D}) + u"x", "\xEF\xBF\xBDx"},
      {std::u16string(1, char16_t{0xDC01}), "\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
}

TEST(Utf16Units, OneUnitInTheFirstPlaneAPairBeyond) {
  char16_t units[2] = {};
  EXPECT_EQ(Utf16Units(U'\u00e9', units), 1u);
  EXPECT_EQ(units[0], u'\u00e9');
  EXPECT_EQ(Utf16Units(U'\U0001F4C1', units), 2u);
  EXPECT_EQ(units[0], 0xD83D);
  EXPECT_EQ(units[1], 0xDCC1);
}

TEST(Utf8, EveryCodePointSurvivesARoundTripThroughBothForms) {
  for (const char32_t cp : {U'A', U'\u00e9', U'\u20ac', U'\U0001F4C1', U'\U0010FFFF'}) {
    std::string utf8;
    AppendUtf8(utf8, cp);
    EXPECT_EQ(DecodeUtf8(utf8), std::u32string(1, cp));
    for (std::size_t i = 1; i < utf8.size(); ++i) EXPECT_TRUE(IsUtf8Continuation(utf8[i]));
    EXPECT_FALSE(IsUtf8Continuation(utf8[0]));
    char16_t units[2] = {};
    const std::size_t count = Utf16Units(cp, units);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(units, count)), utf8);
  }
  EXPECT_FALSE(DecodeUtf8("\xC0\xAF"));  // an overlong form
}

}  // namespace
}  // namespace dm
