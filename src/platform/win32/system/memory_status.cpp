#include "platform/win32/system/memory_status.h"

#include <windows.h>

#include "platform/win32/base/bindings.h"

namespace dm::win {

std::uint64_t TotalPhysicalMemory() {
  using StatusEx = BOOL(WINAPI*)(MEMORYSTATUSEX*);
  if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
    const auto statusEx =
        reinterpret_cast<StatusEx>(reinterpret_cast<void*>(GetProcAddress(kernel, "GlobalMemoryStatusEx")));
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (statusEx != nullptr && statusEx(&status)) return status.ullTotalPhys;
  }
  MemoryStatusRecord record{};
  bindings::GlobalMemoryStatus(&record);
  return record.dwTotalPhys;
}

}  // namespace dm::win
