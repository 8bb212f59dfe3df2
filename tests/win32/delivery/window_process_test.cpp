// What the delivery learns about the program behind a window, against real windows.

#include "platform/win32/delivery/window_process.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace dm::win {
namespace {

WindowHandle Handle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

TEST(WindowProcessTest, ThisProgramsOwnWindowIsOwnAndNeverElevated) {
  const HWND own =
      CreateWindowExW(0, L"STATIC", L"own", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(own, nullptr);
  Win32WindowProcess process;
  EXPECT_TRUE(process.IsOwnOrItsIcon(Handle(own)));
  EXPECT_FALSE(process.RunsElevated(Handle(own)));
  DestroyWindow(own);
}

TEST(WindowProcessTest, AnotherProgramWithTheSameRightsIsNeitherOwnNorElevated) {
  // The desktop window belongs to the shell's process, which runs with this program's rights.
  const HWND desktop = GetDesktopWindow();
  DWORD processId = 0;
  GetWindowThreadProcessId(desktop, &processId);
  if (processId == GetCurrentProcessId()) GTEST_SKIP() << "the desktop window is this process's own";
  Win32WindowProcess process;
  EXPECT_FALSE(process.IsOwnOrItsIcon(Handle(desktop)));
  EXPECT_FALSE(process.RunsElevated(Handle(desktop)));
}

TEST(WindowProcessTest, TheNotificationAreaCountsAsTheIconsOwn) {
  const HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (tray == nullptr) GTEST_SKIP() << "no notification area on this desktop";
  EXPECT_TRUE(Win32WindowProcess().IsOwnOrItsIcon(Handle(tray)));
}

}  // namespace
}  // namespace dm::win
