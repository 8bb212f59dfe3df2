// The system's window tree as the delivery reads it: class names and titles through the program's
// bindings, and the restore of a minimised window whose thread is slow to answer.

#include <windows.h>

#include <gtest/gtest.h>

#include "win32/delivery/window_tree.h"
#include "win32/support/test_thread.h"

namespace dm::win {
namespace {

constexpr UINT kStall = WM_APP + 1;  // makes the window's thread stop answering for a while

LRESULT CALLBACK StallingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kStall) {
    Sleep(static_cast<DWORD>(wParam));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A top-level window run by its own thread, shown minimised or not.
class WindowThread {
 public:
  WindowThread(const wchar_t* title, bool minimised) {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = TestThread([this, ready, title, minimised] {
      WNDCLASSW cls{};
      cls.lpfnWndProc = StallingProc;
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.lpszClassName = L"DeliverWindowTreeTest";
      RegisterClassW(&cls);
      window_ = CreateWindowExW(0, cls.lpszClassName, title, WS_OVERLAPPEDWINDOW, 60, 60, 300, 200, nullptr,
                                nullptr, cls.hInstance, nullptr);
      ShowWindow(window_, minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
      threadId_ = GetCurrentThreadId();
      SetEvent(ready);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
      DestroyWindow(window_);
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
  }
  ~WindowThread() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.Join();
  }
  WindowThread(const WindowThread&) = delete;
  WindowThread& operator=(const WindowThread&) = delete;

  HWND window() const { return window_; }
  WindowHandle handle() const { return reinterpret_cast<WindowHandle>(window_); }

 private:
  TestThread thread_;
  HWND window_ = nullptr;
  DWORD threadId_ = 0;
};

TEST(WindowTreeTest, ClassNamesAndTitlesAreReadWhole) {
  WindowThread thread(L"Caf\u00E9 window", false);
  Win32WindowTree tree;
  EXPECT_EQ(tree.ClassName(thread.handle(), 255), "DeliverWindowTreeTest");
  EXPECT_EQ(tree.ClassName(thread.handle(), 8), "Deliver");
  EXPECT_EQ(tree.Text(thread.handle(), 255), "Caf\xC3\xA9 window");
  EXPECT_EQ(tree.Text(thread.handle(), 4), "Caf");
}

TEST(WindowTreeTest, MinimisedWindowOfASlowThreadIsRestoredAllTheSame) {
  WindowThread thread(L"Slow window", true);
  ASSERT_TRUE(IsIconic(thread.window()));
  // Busy for longer than one ping waits, far less than the restore may take.
  PostMessageW(thread.window(), kStall, 600, 0);
  Win32WindowTree tree;
  tree.ShowNoActivate(thread.handle());
  EXPECT_FALSE(tree.IsIconic(thread.handle()));
  EXPECT_TRUE(IsWindowVisible(thread.window()));
}

}  // namespace
}  // namespace dm::win
