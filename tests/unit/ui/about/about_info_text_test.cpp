#include "ui/about/about_info_text.h"

#include <gtest/gtest.h>

#include <string>

namespace dm {
namespace {

struct InfoCase {
  int pathCount;
  const char* start;
};

class AboutInfoTextTest : public testing::TestWithParam<InfoCase> {};

TEST_P(AboutInfoTextTest, CountThenWordingPaddedToSixtyFourCharacters) {
  const std::string text = AboutInfoText(static_cast<std::size_t>(GetParam().pathCount));
  const std::string start = GetParam().start;
  ASSERT_EQ(text.size(), 64u);
  EXPECT_EQ(text.substr(0, start.size()), start);
  EXPECT_EQ(text.find_first_not_of(' ', start.size()), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(PathCounts, AboutInfoTextTest,
                         testing::Values(InfoCase{0, "0 Dashmarks are available"},
                                         InfoCase{1, "1 Dashmarks are available"},
                                         InfoCase{3, "3 Dashmarks are available"},
                                         InfoCase{5, "5 Dashmarks are available"},
                                         InfoCase{255, "255 Dashmarks are available"}));

TEST(FixedLengthText, PadsShortAndCutsLongText) {
  struct Case {
    std::string text;
    std::size_t length;
    std::string expected;
  };
  const Case cases[] = {
      {"", 3, "   "},
      {"ab", 4, "ab  "},
      {"abcd", 4, "abcd"},
      {std::string(70, 'x'), 64, std::string(64, 'x')},
      // Two-byte characters count once and are never split.
      {"\xC3\xA4\xC3\xB6\xC3\xBC", 2, "\xC3\xA4\xC3\xB6"},
      {"\xC3\xA4", 3, "\xC3\xA4  "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FixedLengthText(c.text, c.length), c.expected) << c.text;
  }
}

}  // namespace
}  // namespace dm
