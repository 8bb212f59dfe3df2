// The About box's texts: the information line of fixed length and the memory amount in the
// user's digit grouping.

#include "ui/about/about_text.h"

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

const DigitGrouping kThousands = DigitGrouping::FromPattern(",", "3;0");

TEST(MemoryLine, WholeKilobytesRoundedWithThousandsGrouping) {
  struct Case {
    std::uint64_t bytes;
    const char* expected;
  };
  const Case cases[] = {
      {0, "0 KB"},
      {511, "0 KB"},
      {512, "1 KB"},
      {1023, "1 KB"},
      {1024, "1 KB"},
      {1535, "1 KB"},
      {1536, "2 KB"},
      {1024ull * 999, "999 KB"},
      {1024ull * 1000, "1,000 KB"},
      {16777216, "16,384 KB"},
      {4294967295ull, "4,194,304 KB"},
      {4294967296ull, "4,194,304 KB"},
      {17179869184ull, "16,777,216 KB"},
      {25276137472ull, "24,683,728 KB"},
      {1024ull * 1000000000000ull, "1,000,000,000,000 KB"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MemoryLine(c.bytes, kThousands), c.expected) << c.bytes;
  }
}

TEST(MemoryLine, UsesTheGivenSeparatorAndGroupSizes) {
  struct Case {
    const char* separator;
    const char* pattern;
    std::uint64_t bytes;
    const char* expected;
  };
  const Case cases[] = {
      {".", "3;0", 16777216, "16.384 KB"},
      {" ", "3;0", 17179869184ull, "16 777 216 KB"},
      {"\xC2\xA0", "3;0", 16777216,
       "16\xC2\xA0"
       "384 KB"},
      {",", "3;2;0", 17179869184ull, "1,67,77,216 KB"},
      {",", "3;2;0", 1024ull * 123456789, "12,34,56,789 KB"},
      {",", "3;2;0", 16777216, "16,384 KB"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MemoryLine(c.bytes, DigitGrouping::FromPattern(c.separator, c.pattern)), c.expected)
        << c.pattern << " " << c.bytes;
  }
}

TEST(FormatGrouped, FollowsTheSystemGroupingNotation) {
  struct Case {
    const char* pattern;
    std::uint64_t value;
    const char* expected;
  };
  const Case cases[] = {
      {"3;0", 0, "0"},
      {"3;0", 999, "999"},
      {"3;0", 1000, "1,000"},
      {"3;0", 123456789, "123,456,789"},
      {"3;0", 18446744073709551615ull, "18,446,744,073,709,551,615"},
      {"3;2;0", 1000, "1,000"},
      {"3;2;0", 100000, "1,00,000"},
      {"3;2;0", 1234567890, "1,23,45,67,890"},
      {"3", 1234567890, "1234567,890"},
      {"3;2", 1234567890, "12345,67,890"},
      {"0", 1234567890, "1234567890"},
      {"", 1234567890, "1234567890"},
      {"4;0", 1234567890, "12,3456,7890"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatGrouped(c.value, DigitGrouping::FromPattern(",", c.pattern)), c.expected)
        << c.pattern << " " << c.value;
  }
}

}  // namespace
}  // namespace dm
