#include "ui/about/memory_line.h"

namespace dm {

std::string MemoryLine(std::uint64_t totalPhysicalBytes, const DigitGrouping& grouping) {
  const std::uint64_t kilobytes = totalPhysicalBytes / 1024 + (totalPhysicalBytes % 1024 >= 512 ? 1 : 0);
  return FormatGrouped(kilobytes, grouping) + " KB";
}

}  // namespace dm
