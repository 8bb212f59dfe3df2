#include "win32/delivery/window_ping.h"

#include <algorithm>

namespace dm::win {
namespace {

constexpr UINT kPingTimeoutMs = 250;
// The least time a ping that did not get its answer takes.
constexpr ULONGLONG kLeastFailedPingMs = 25;

}  // namespace

PingResult Ping(HWND window, UINT timeoutMs, SendTimeoutFunction send) {
  const ULONGLONG started = GetTickCount64();
  DWORD_PTR ignored = 0;
  SetLastError(ERROR_SUCCESS);
  if (send(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored) != 0) return PingResult::kAnswered;
  const DWORD error = GetLastError();
  // Errors that will not change: the window is gone, or the system refuses messages from this
  // process to it (it runs at a higher integrity level).
  if (error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_WINDOW_HANDLE || !IsWindow(window) ||
      IsHungAppWindow(window)) {
    return PingResult::kNeverWill;
  }
  const ULONGLONG pauseEnd = started + std::min<ULONGLONG>(timeoutMs, kLeastFailedPingMs);
  const ULONGLONG now = GetTickCount64();
  if (now < pauseEnd) Sleep(static_cast<DWORD>(pauseEnd - now));
  return PingResult::kNotYet;
}

bool AnswersBefore(HWND window, ULONGLONG deadline, SendTimeoutFunction send) {
  while (GetTickCount64() < deadline) {
    switch (Ping(window, kPingTimeoutMs, send)) {
      case PingResult::kAnswered:
        return true;
      case PingResult::kNeverWill:
        return false;
      case PingResult::kNotYet:
        break;
    }
  }
  return false;
}

}  // namespace dm::win
