#include "win32/delivery/activation.h"

#include <windows.h>

#include "win32/delivery/window_ping.h"

namespace dm::win {
namespace {

constexpr DWORD kActivationDeadlineMs = 3000;
// A request the system granted is carried out when the target's thread next reads its messages;
// one not carried out by then is made again the forceful way.
constexpr ULONGLONG kGrantedRequestMs = 100;
// How long a foreground of none is asked again before it is believed.
constexpr ULONGLONG kSettleMs = 200;

// Foreground requests are honoured for the thread that owns the current foreground input. Raising
// a window of another thread waits for that thread to move it, so this is the slow way.
void ForceForeground(HWND window) {
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
  const ULONGLONG started = GetTickCount64();
  const ULONGLONG deadline = started + kActivationDeadlineMs;
  bool forced = false;
  if (GetForegroundWindow() != window && !SetForegroundWindow(window)) {
    ForceForeground(window);
    forced = true;
  }
  // The foreground is the system's record and needs nothing from this thread, so the wait
  // dispatches none of its posted messages (no timer or click runs in the middle of a delivery).
  while (GetForegroundWindow() != window) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline || !IsWindow(window)) return false;
    if (!forced && now - started >= kGrantedRequestMs) {
      ForceForeground(window);
      forced = true;
    }
    Sleep(1);
  }
  // Let the target finish its activation (it puts the keyboard focus back on its control).
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() && !AnswersBefore(window, deadline)) {
    return false;
  }
  return GetForegroundWindow() == window;
}

WindowHandle Win32Activation::Foreground() { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }

WindowHandle Win32Activation::SettledForeground() {
  const ULONGLONG deadline = GetTickCount64() + kSettleMs;
  HWND front = GetForegroundWindow();
  while (front == nullptr && GetTickCount64() < deadline) {
    Sleep(1);
    front = GetForegroundWindow();
  }
  return reinterpret_cast<WindowHandle>(front);
}

}  // namespace dm::win
