// The shell's messages let through to the windows that receive them: the system's per-window filter
// is bound and takes them, and the windows still receive them. (The filter itself guards a program
// run as administrator on Windows; Wine has no integrity levels, so a message held back by it cannot
// be shown here.)

#include "win32/windows/message_filter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "win32/base/bindings.h"
#include "win32/windows/notify_icon.h"

namespace dm::win {
namespace {

constexpr wchar_t kClassName[] = L"DashmarksMessageFilterTest";
UINT received = 0;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == NotifyIcon::kCallbackMessage || message == RegisterWindowMessageW(L"TaskbarCreated")) {
    received = message;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(MessageFilter, TheShellsMessagesAreLetThroughAndStillArrive) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = RecordingProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  const HWND window = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);

  struct Case {
    const char* what;
    UINT message;
  };
  const Case cases[] = {
      {"the icon's callback", NotifyIcon::kCallbackMessage},
      {"the shell's restart", RegisterWindowMessageW(L"TaskbarCreated")},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.message, 0u) << c.what;
    EXPECT_TRUE(LetThroughFromLowerIntegrity(window, c.message)) << c.what;
    received = 0;
    ASSERT_TRUE(PostMessageW(window, c.message, NotifyIcon::kIconId, WM_LBUTTONUP)) << c.what;
    MSG msg{};
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (received == 0 && GetTickCount64() < deadline) {
      while (PeekMessageW(&msg, window, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      if (received == 0) Sleep(5);
    }
    EXPECT_EQ(received, c.message) << c.what;
  }
  DestroyWindow(window);
}

TEST(MessageFilter, TheSystemsPerWindowFilterIsBound) {
  // Bound, the call answers for itself; where the system refuses (no window), so does the program.
  CHANGEFILTERSTRUCT status{};
  status.cbSize = sizeof(status);
  SetLastError(0);
  const BOOL allowed = bindings::ChangeWindowMessageFilterEx(nullptr, WM_MOUSEMOVE, MSGFLT_ALLOW, &status);
  EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  if (!allowed) {
    EXPECT_FALSE(LetThroughFromLowerIntegrity(nullptr, WM_MOUSEMOVE));
  }
}

}  // namespace
}  // namespace dm::win
