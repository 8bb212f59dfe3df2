#include "platform/win32/delivery/activation.h"

#include <windows.h>

#include "platform/win32/delivery/window_ping.h"

namespace dm::win {
namespace {

constexpr DWORD kActivationDeadlineMs = 3000;

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
  // The foreground is the system's record and needs nothing from this thread, so the wait
  // dispatches none of its posted messages (no timer or click runs in the middle of a delivery).
  while (GetForegroundWindow() != window) {
    if (GetTickCount64() >= deadline || !IsWindow(window)) return false;
    Sleep(1);
  }
  // Let the target finish its activation (it puts the keyboard focus back on its control).
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() && !AnswersBefore(window, deadline)) {
    return false;
  }
  return GetForegroundWindow() == window;
}

WindowHandle Win32Activation::Foreground() { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }

}  // namespace dm::win
