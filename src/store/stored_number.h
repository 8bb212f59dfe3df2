#pragma once
// Conversions between stored text and numbers. The program only writes text that converts;
// a hand-edited store may hold anything, and nothing here may stop the program.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dm {

// A whole decimal number with optional surrounding blanks and sign; nothing for any other text
// or for a value that does not fit in 64 bits.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);

// A stored count: not a whole number reads as 0, negative as 0, above 255 as 255, also when it
// has more digits than 64 bits hold.
std::uint8_t StoredCount(std::string_view text);

std::string DecimalText(std::int64_t value);

}  // namespace dm
