#pragma once
// Asking another thread's window whether it is back in its message loop.

#include <windows.h>

namespace dm::win {

enum class PingResult {
  kAnswered,
  kNotYet,     // timed out or failed for a reason that may pass: asking again may help
  kNeverWill,  // gone, hung, or refused (a window of a higher integrity level): asking again cannot help
};

// The system's SendMessageTimeoutW, or a stand-in for tests.
using SendTimeoutFunction = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM, UINT, UINT, PDWORD_PTR);

// Sends WM_NULL and waits up to timeoutMs for the answer; at once kNeverWill for a hung window. While
// it waits, this thread still answers messages other threads send it: a target that shares this
// thread's input state may need such an answer before it can go on (a paste in another program
// stalls for seconds when they are held back). The tray application defers icon clicks that
// arrive this way during a delivery. A call that fails at once for a reason that may pass still
// takes a short pause, so that no loop around it turns into a busy wait.
PingResult Ping(HWND window, UINT timeoutMs, SendTimeoutFunction send = SendMessageTimeoutW);

inline bool AnswersWithin(HWND window, UINT timeoutMs) {
  return Ping(window, timeoutMs) == PingResult::kAnswered;
}

// Asks again until the window answers; false when the deadline (GetTickCount64) passes first or
// the window is hung, gone or refuses to be asked. A slow answer alone is no reason to give up.
bool AnswersBefore(HWND window, ULONGLONG deadline, SendTimeoutFunction send = SendMessageTimeoutW);

}  // namespace dm::win
