// The shell's window list as this system offers it. Wine lists no windows (or offers no list at
// all), so a folder window there is never navigated through it and the delivery types instead.

#include "win32/shell/shell_window_list.h"

#include <objbase.h>
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/base/com_apartment.h"

namespace dm::win {
namespace {

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(Win32ShellWindowList, AWindowTheShellDoesNotListIsNeitherListedNorNavigated) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PlainProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"CabinetWClass";
  RegisterClassW(&windowClass);
  HWND frame = CreateWindowExW(0, L"CabinetWClass", L"Not the shell's", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame, nullptr);
  // The answer is what counts here, not how soon: a busy machine may take longer than the
  // program's deadline.
  constexpr DWORD kPatientMs = 60000;
  Win32ShellWindowList shell(kPatientMs);
  const auto handle = reinterpret_cast<WindowHandle>(frame);
  const ShellTabs listed = shell.TabsOf(handle);
  EXPECT_NE(listed.answer, ShellAnswer::TimedOut);
  EXPECT_TRUE(listed.tabs.empty());
  EXPECT_EQ(shell.Navigate(handle, 0, "C:\\windows"), ShellAnswer::Unavailable);
  DestroyWindow(frame);
  UnregisterClassW(L"CabinetWClass", GetModuleHandleW(nullptr));
}

TEST(ComApartment, EnteredOnceAndLeftWhenItsOwnerGoes) {
  {
    ComApartment apartment;
    ASSERT_TRUE(apartment.Enter());
    EXPECT_TRUE(apartment.Enter());
    // Inside it the thread is single-threaded: asking for the other kind is refused.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
  }
  // Left whole: the thread may now enter any apartment.
  const HRESULT again = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  EXPECT_EQ(again, S_OK);
  if (SUCCEEDED(again)) CoUninitialize();
}

}  // namespace
}  // namespace dm::win
