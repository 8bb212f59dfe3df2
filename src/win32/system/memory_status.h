#pragma once
// The machine's physical memory.

#include <cstdint>

namespace dm::win {

// Total physical memory in bytes. GlobalMemoryStatus caps its 32-bit figure on machines with more
// than 4 GB, so GlobalMemoryStatusEx is asked where the system has it.
std::uint64_t TotalPhysicalMemory();

}  // namespace dm::win
