#include "win32/system/memory_status.h"

#include <windows.h>

namespace dm::win {

std::uint64_t TotalPhysicalMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  return GlobalMemoryStatusEx(&status) ? status.ullTotalPhys : 0;
}

}  // namespace dm::win
