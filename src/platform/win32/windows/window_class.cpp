#include "platform/win32/windows/window_class.h"

#include <cstdlib>
#include <cwchar>
#include <utility>

namespace dm::win {
namespace {

std::function<void()>& FailureHandler() {
  static std::function<void()> handler;
  return handler;
}

bool handlingFailure = false;

}  // namespace

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

void SetUnexpectedFailureHandler(std::function<void()> handler) { FailureHandler() = std::move(handler); }

void OnUnexpectedFailure(UINT message) noexcept {
  wchar_t line[128];
  std::swprintf(
      line, sizeof line / sizeof line[0],
      L"Dashmarks: unexpected failure while handling message 0x%04X; %ls\n", message,
      handlingFailure ? L"the shutdown under way goes on" : L"saving the list and the options, then ending");
  OutputDebugStringW(line);
  if (handlingFailure) return;
  MessageBeep(MB_ICONHAND);
  if (!FailureHandler()) {
    OutputDebugStringW(L"Dashmarks: nothing to save yet; ending\n");
    ExitProcess(EXIT_FAILURE);
  }
  handlingFailure = true;
  try {
    FailureHandler()();
  } catch (...) {
    OutputDebugStringW(L"Dashmarks: the shutdown failed as well; ending\n");
    ExitProcess(EXIT_FAILURE);
  }
  handlingFailure = false;
}

}  // namespace dm::win
