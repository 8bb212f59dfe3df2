#pragma once
// The About box's memory amount: physical memory in whole kilobytes.

#include <cstdint>
#include <string>

#include "ui/about/digit_grouping.h"

namespace dm {

// totalPhysicalBytes / 1024, rounded to a whole number, grouped, followed by " KB".
std::string MemoryLine(std::uint64_t totalPhysicalBytes, const DigitGrouping& grouping);

}  // namespace dm
