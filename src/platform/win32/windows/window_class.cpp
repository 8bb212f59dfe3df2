#include "platform/win32/windows/window_class.h"

namespace dm::win {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int backgroundColour) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (GetClassInfoExW(instance, name, &windowClass)) return;
  windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(backgroundColour + 1));
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

}  // namespace dm::win
