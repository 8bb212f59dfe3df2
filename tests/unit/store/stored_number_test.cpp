#include "store/stored_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace dm {
namespace {

struct NumberCase {
  const char* text;
  std::optional<std::int64_t> number;
  std::uint8_t count;  // StoredCount of the same text
};

class StoredNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(StoredNumberTest, ReadsWholeNumbersAndCounts) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(ParseWholeNumber(c.text), c.number) << '"' << c.text << '"';
  EXPECT_EQ(StoredCount(c.text), c.count) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, StoredNumberTest,
                         testing::Values(
                             // Blanks around, one optional sign.
                             NumberCase{"12", 12, 12}, NumberCase{" \t+7 \t", 7, 7}, NumberCase{"-3", -3, 0},
                             NumberCase{"0", 0, 0},
                             // Two signs, or a sign alone, are not a number.
                             NumberCase{"+-3", std::nullopt, 0}, NumberCase{"-+3", std::nullopt, 0},
                             NumberCase{"++3", std::nullopt, 0}, NumberCase{"+", std::nullopt, 0},
                             // Other text, inner blanks, and values beyond 64 bits.
                             NumberCase{"", std::nullopt, 0}, NumberCase{"12abc", std::nullopt, 0},
                             NumberCase{"1 2", std::nullopt, 0},
                             NumberCase{"9223372036854775807", INT64_MAX, 255},
                             NumberCase{"-9223372036854775808", INT64_MIN, 0},
                             // Beyond 64 bits: no number, but as a count as large or small as any.
                             NumberCase{"9223372036854775808", std::nullopt, 255},
                             NumberCase{"18446744073709551616", std::nullopt, 255},
                             NumberCase{" +99999999999999999999 ", std::nullopt, 255},
                             NumberCase{"-99999999999999999999", std::nullopt, 0},
                             NumberCase{"99999999999999999999x", std::nullopt, 0},
                             // A DWORD read as its decimal text.
                             NumberCase{"4294967295", 4294967295, 255},
                             // Counts above 255 read as 255.
                             NumberCase{"255", 255, 255}, NumberCase{"256", 256, 255}));

}  // namespace
}  // namespace dm
