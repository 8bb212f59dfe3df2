#include "win32/delivery/window_tree.h"

#include <windows.h>

#include <vector>

#include "win32/base/bindings.h"
#include "win32/base/text_conversion.h"

namespace dm::win {
namespace {

HWND Hwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
WindowHandle Handle(HWND h) { return reinterpret_cast<WindowHandle>(h); }

constexpr DWORD kRestoreDeadlineMs = 2000;
constexpr DWORD kTitleDeadlineMs = 3000;
constexpr DWORD kTitlePollMs = 20;

// DWMWA_CLOAKED, which older headers lack.
constexpr DWORD kCloakedAttribute = 14;

}  // namespace

WindowHandle Win32WindowTree::Desktop() { return Handle(::GetDesktopWindow()); }

WindowHandle Win32WindowTree::FirstChild(WindowHandle window) {
  return Handle(::GetWindow(Hwnd(window), GW_CHILD));
}

WindowHandle Win32WindowTree::NextSibling(WindowHandle window) {
  return Handle(::GetWindow(Hwnd(window), GW_HWNDNEXT));
}

std::string Win32WindowTree::Text(WindowHandle window, int bufferChars) {
  // Not GetWindowTextA: for a window of this process on another thread it sends WM_GETTEXT and
  // waits for the answer, so a window whose thread hangs would stall the whole search (and the
  // tray with it). InternalGetWindowText copies the title the system keeps, never sending a
  // message, and in full Unicode.
  std::vector<wchar_t> buffer(static_cast<std::size_t>(bufferChars), L'\0');
  const int n = InternalGetWindowText(Hwnd(window), buffer.data(), bufferChars);
  return WideToUtf8(std::wstring_view(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0));
}

std::string Win32WindowTree::ClassName(WindowHandle window, int bufferChars) {
  std::string buffer(static_cast<std::size_t>(bufferChars), '\0');
  const int n = ::GetClassNameA(Hwnd(window), buffer.data(), bufferChars);
  buffer.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return AnsiToUtf8(buffer);
}

bool Win32WindowTree::IsVisible(WindowHandle window) { return IsWindowVisible(Hwnd(window)) != FALSE; }

bool Win32WindowTree::IsEnabled(WindowHandle window) { return IsWindowEnabled(Hwnd(window)) != FALSE; }

bool Win32WindowTree::IsIconic(WindowHandle window) { return ::IsIconic(Hwnd(window)) != FALSE; }

void Win32WindowTree::ShowNoActivate(WindowHandle window) {
  const HWND hwnd = Hwnd(window);
  if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) {
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return;
  }
  if (IsHungAppWindow(hwnd) || !ShowWindowAsync(hwnd, SW_SHOWNOACTIVATE)) return;
  // The restore happens when the window's thread next reads its messages. A slow thread is no
  // reason to stop waiting; only a hung or vanished window is. No message is sent or handled
  // here, so nothing else runs on this thread in the meantime.
  const ULONGLONG deadline = GetTickCount64() + kRestoreDeadlineMs;
  while (::IsIconic(hwnd) && IsWindow(hwnd) && !IsHungAppWindow(hwnd) && GetTickCount64() < deadline) {
    Sleep(10);
  }
}

bool Win32WindowTree::WaitUntilShown(WindowHandle window) {
  const HWND hwnd = Hwnd(window);
  const auto shown = [hwnd] { return IsWindowVisible(hwnd) != FALSE && ::IsIconic(hwnd) == FALSE; };
  const ULONGLONG deadline = GetTickCount64() + kRestoreDeadlineMs;
  while (!shown() && IsWindow(hwnd) && !IsHungAppWindow(hwnd) && GetTickCount64() < deadline) Sleep(10);
  return shown();
}

std::string Win32WindowTree::WaitForTitle(WindowHandle window,
                                          const std::function<bool(const std::string&)>& wanted) {
  const HWND hwnd = Hwnd(window);
  const HWND root = GetAncestor(hwnd, GA_ROOT);
  const ULONGLONG deadline = GetTickCount64() + kTitleDeadlineMs;
  for (;;) {
    std::string title = Text(window, kTitleChars);
    if (wanted(title) || !IsWindow(hwnd) || IsHungAppWindow(root) || GetTickCount64() >= deadline)
      return title;
    Sleep(kTitlePollMs);
  }
}

int Win32WindowTree::ControlId(WindowHandle window) {
  const HWND hwnd = Hwnd(window);
  return (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) != 0 ? GetDlgCtrlID(hwnd) : 0;
}

bool Win32WindowTree::IsCloaked(WindowHandle window) {
  DWORD cloaked = 0;
  return SUCCEEDED(
             bindings::DwmGetWindowAttribute(Hwnd(window), kCloakedAttribute, &cloaked, sizeof(cloaked))) &&
         cloaked != 0;
}

bool Win32WindowTree::Exists(WindowHandle window) { return IsWindow(Hwnd(window)) != FALSE; }

WindowHandle Win32WindowTree::OwnerOf(WindowHandle window) {
  return Handle(::GetWindow(Hwnd(window), GW_OWNER));
}

WindowHandle Win32WindowTree::TopLevelOf(WindowHandle window) {
  return Handle(GetAncestor(Hwnd(window), GA_ROOT));
}

}  // namespace dm::win
