#include "win32/windows/window_class.h"

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "win32/base/trace.h"

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
  // Written into a buffer on the stack, without the C library's formatter: nothing is allocated
  // after a failure that may have been the memory running out.
  char line[128] = "unexpected failure while handling message 0x";
  char hex[9] = {};
  const int digits = message > 0xFFFF ? 8 : 4;
  for (int i = 0; i < digits; ++i) hex[digits - 1 - i] = "0123456789ABCDEF"[(message >> (4 * i)) & 0xF];
  std::strncat(line, hex, std::size(line) - 1 - std::strlen(line));
  std::strncat(
      line,
      handlingFailure ? "; the shutdown under way goes on" : "; saving the list and the options, then ending",
      std::size(line) - 1 - std::strlen(line));
  Trace(line);
  if (handlingFailure) return;
  MessageBeep(MB_ICONHAND);
  if (!FailureHandler()) {
    Trace("nothing to save yet; ending");
    ExitProcess(EXIT_FAILURE);
  }
  handlingFailure = true;
  try {
    FailureHandler()();
  } catch (...) {
    Trace("the shutdown failed as well; ending");
    ExitProcess(EXIT_FAILURE);
  }
  handlingFailure = false;
}

}  // namespace dm::win
