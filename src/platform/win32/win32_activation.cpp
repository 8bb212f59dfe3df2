#include "platform/win32/win32_activation.h"

#include <windows.h>

namespace dm::win {
namespace {

constexpr DWORD kActivationDeadlineMs = 3000;
constexpr UINT kPingTimeoutMs = 500;

void RequestForeground(HWND window) {
  if (SetForegroundWindow(window) && GetForegroundWindow() == window) return;
  // Foreground requests are honoured for the thread that owns the current foreground input.
  const HWND foreground = GetForegroundWindow();
  const DWORD self = GetCurrentThreadId();
  const DWORD other = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  const bool attached = other != 0 && other != self && AttachThreadInput(self, other, TRUE);
  BringWindowToTop(window);
  SetForegroundWindow(window);
  if (attached) AttachThreadInput(self, other, FALSE);
}

}  // namespace

bool Win32Activation::Activate(WindowHandle target) {
  const HWND window = reinterpret_cast<HWND>(target);
  if (!IsWindow(window) || IsHungAppWindow(window)) return false;
  if (GetForegroundWindow() != window) RequestForeground(window);
  const ULONGLONG deadline = GetTickCount64() + kActivationDeadlineMs;
  while (GetForegroundWindow() != window) {
    if (GetTickCount64() >= deadline || !IsWindow(window)) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Let the target finish its activation (it puts the keyboard focus back on its control).
  DWORD_PTR ignored = 0;
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() &&
      !SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPingTimeoutMs, &ignored)) {
    return false;
  }
  return GetForegroundWindow() == window;
}

WindowHandle Win32Activation::Foreground() { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }

}  // namespace dm::win
