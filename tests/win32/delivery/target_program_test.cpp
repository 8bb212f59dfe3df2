// What the delivery learns about the program behind a window, against real windows.

#include "win32/delivery/target_program.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace dm::win {
namespace {

WindowHandle Handle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

TEST(TargetProgramTest, ThisProgramsOwnWindowIsOwnAndNeverElevated) {
  const HWND own =
      CreateWindowExW(0, L"STATIC", L"own", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(own, nullptr);
  Win32TargetProgram process;
  EXPECT_TRUE(process.IsOwnOrItsIcon(Handle(own)));
  EXPECT_FALSE(process.RunsElevated(Handle(own)));
  DestroyWindow(own);
}

TEST(TargetProgramTest, AnotherProgramWithTheSameRightsIsNeitherOwnNorElevated) {
  // The desktop window belongs to the shell's process, which runs with this program's rights.
  const HWND desktop = GetDesktopWindow();
  DWORD processId = 0;
  GetWindowThreadProcessId(desktop, &processId);
  if (processId == GetCurrentProcessId()) GTEST_SKIP() << "the desktop window is this process's own";
  Win32TargetProgram process;
  EXPECT_FALSE(process.IsOwnOrItsIcon(Handle(desktop)));
  EXPECT_FALSE(process.RunsElevated(Handle(desktop)));
}

TEST(TargetProgramTest, TheNotificationAreaCountsAsTheIconsOwn) {
  const HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (tray == nullptr) GTEST_SKIP() << "no notification area on this desktop";
  EXPECT_TRUE(Win32TargetProgram().IsOwnOrItsIcon(Handle(tray)));
}

// A top-level window of a class registered here, or nullptr.
HWND WindowOfClass(const wchar_t* className) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, windowClass.hInstance,
                         nullptr);
}

TEST(TargetProgramTest, TheOverflowFlyoutCountsAsTheIconsOnlyInTheShellsProcess) {
  const DWORD here = GetCurrentProcessId();
  const DWORD elsewhere = here + 4;  // process ids are multiples of four: never this one
  const struct {
    const wchar_t* className;
    bool ofTheShell;  // counts when this process plays the shell's
    bool ofAnother;   // counts when the shell is another process
  } cases[] = {
      {L"TopLevelWindowForOverflowXamlIsland", true, false},
      {L"Xaml_WindowedPopupClass", true, false},
      {L"NotifyIconOverflowWindow", true, true},
      {L"Shell_SecondaryTrayWnd", true, true},
      {L"Windows.UI.Core.CoreWindow", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.className);
    const HWND window = WindowOfClass(c.className);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(IsIconArea(window, here), c.ofTheShell);
    EXPECT_EQ(IsIconArea(window, elsewhere), c.ofAnother);
    // A child of the flyout counts as the flyout.
    const HWND child =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, window, nullptr, nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(IsIconArea(child, here), c.ofTheShell);
    DestroyWindow(window);
  }
}

}  // namespace
}  // namespace dm::win
