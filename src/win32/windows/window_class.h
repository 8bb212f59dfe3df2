#pragma once
// The program's own window classes, the binding of a window to the object that runs it, and the
// boundary no exception crosses: a failure in a message handler is traced and the program ends
// through its orderly shutdown, which saves, instead of vanishing with the user's edits.

#include <windows.h>

#include <functional>

namespace dm::win {

// Registers the class once per process: the arrow pointer, the system colour backgroundColour
// (COLOR_BTNFACE, COLOR_WINDOW, ...) as background, and procedure for every message.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int backgroundColour);

// The object a window runs for: the creation parameter at WM_NCCREATE, which is kept in the
// window's user data and read back for every later message. Null before WM_NCCREATE and after
// the object let go of the window.
template <typename T>
T* BoundObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// What the program does after a handler failed: its orderly shutdown (save, remove the icon,
// end). Set once the program can save; an empty function clears it.
void SetUnexpectedFailureHandler(std::function<void()> handler);

// Traces the failure of a handler of message, beeps, and runs the shutdown handler. A failure
// while that handler runs (it processes pending messages) is traced and left to it; a failure of
// the handler itself, or one with no handler set, ends the process at once.
void OnUnexpectedFailure(UINT message) noexcept;

// procedure with the boundary around it; register this in place of procedure.
template <WNDPROC procedure>
LRESULT CALLBACK Guarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    return procedure(window, message, wParam, lParam);
  } catch (...) {
    OnUnexpectedFailure(message);
    return 0;
  }
}

}  // namespace dm::win
