#include "platform/win32/delivery/window_ping.h"

namespace dm::win {
namespace {

constexpr UINT kPingTimeoutMs = 250;

}  // namespace

bool AnswersWithin(HWND window, UINT timeoutMs) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored) != 0;
}

bool AnswersBefore(HWND window, ULONGLONG deadline) {
  while (GetTickCount64() < deadline) {
    if (AnswersWithin(window, kPingTimeoutMs)) return true;
    if (!IsWindow(window) || IsHungAppWindow(window)) return false;
  }
  return false;
}

}  // namespace dm::win
