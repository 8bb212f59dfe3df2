#pragma once
// The program's own window classes and the binding of a window to the object that runs it.

#include <windows.h>

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

}  // namespace dm::win
