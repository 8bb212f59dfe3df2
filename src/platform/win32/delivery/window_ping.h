#pragma once
// Asking another thread's window whether it is back in its message loop.

#include <windows.h>

namespace dm::win {

// Sends WM_NULL and waits up to timeoutMs for the answer; false at once for a hung window. While
// it waits, this thread still answers messages other threads send it: a target that shares this
// thread's input state may need such an answer before it can go on (a paste in another program
// stalled for seconds when they were held back). The tray application defers icon clicks that
// arrive this way during a delivery.
bool AnswersWithin(HWND window, UINT timeoutMs);

// Asks again until the window answers; false when the deadline (GetTickCount64) passes first or
// the window is hung or gone. A slow answer alone is no reason to give up.
bool AnswersBefore(HWND window, ULONGLONG deadline);

}  // namespace dm::win
