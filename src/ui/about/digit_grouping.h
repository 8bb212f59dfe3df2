#pragma once
// Whole numbers written with the user's digit grouping ("###,##0").

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dm {

struct DigitGrouping {
  std::string separator = ",";
  // Group sizes from the right; the last one repeats when repeatLast is set. Empty: no grouping.
  std::vector<unsigned> sizes{3};
  bool repeatLast = true;

  // Reads the system's grouping notation: "3;0" is thousands throughout, "3;2;0" groups three
  // digits and then pairs, "3" groups only the last three digits, "0" or "" does not group.
  static DigitGrouping FromPattern(std::string_view separator, std::string_view pattern);
};

std::string FormatGrouped(std::uint64_t value, const DigitGrouping& grouping);

}  // namespace dm
