#include "win32/system/memory_status.h"

#include <windows.h>

#include "win32/base/bindings.h"

namespace dm::win {

std::uint64_t TotalPhysicalMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  if (bindings::GlobalMemoryStatusEx(&status)) return status.ullTotalPhys;
  MemoryStatusRecord record{};
  bindings::GlobalMemoryStatus(&record);
  return record.dwTotalPhys;
}

}  // namespace dm::win
