// The input method of a box in another thread, closed for a typed delivery and opened again, the
// way a delivery meets a dialog whose user writes Chinese, Japanese or Korean.

#include <windows.h>
// After windows.h, which it builds on:
#include <imm.h>

#include <gtest/gtest.h>

#include "win32/delivery/dialog_controls.h"
#include "win32/support/test_thread.h"

namespace dm::win {
namespace {

constexpr UINT kAskOpen = WM_APP + 1;  // answers whether the edit's input method is open
constexpr UINT kSetOpen = WM_APP + 2;  // opens (wParam TRUE) or closes the edit's input method

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND edit = GetDlgItem(window, 1);
  if (message == kAskOpen || message == kSetOpen) {
    const HIMC context = ImmGetContext(edit);
    if (context == nullptr) return -1;
    if (message == kSetOpen) ImmSetOpenStatus(context, static_cast<BOOL>(wParam));
    const LRESULT open = ImmGetOpenStatus(context);
    ImmReleaseContext(edit, context);
    return open;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A window holding a focused edit field, run by a thread of its own.
class BoxThread {
 public:
  BoxThread() {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = TestThread([this, ready] {
      WNDCLASSW cls{};
      cls.lpfnWndProc = FrameProc;
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.lpszClassName = L"InputMethodTestFrame";
      RegisterClassW(&cls);
      frame_ = CreateWindowExW(0, cls.lpszClassName, L"Input method", WS_OVERLAPPEDWINDOW, 50, 50, 400, 100,
                               nullptr, nullptr, cls.hInstance, nullptr);
      edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 5, 5, 380, 25, frame_,
                              reinterpret_cast<HMENU>(1), cls.hInstance, nullptr);
      ShowWindow(frame_, SW_SHOW);
      SetFocus(edit_);
      threadId_ = GetCurrentThreadId();
      SetEvent(ready);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
  }
  ~BoxThread() {
    PostMessageW(frame_, WM_CLOSE, 0, 0);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.Join();
  }
  BoxThread(const BoxThread&) = delete;
  BoxThread& operator=(const BoxThread&) = delete;

  WindowHandle Box() const { return reinterpret_cast<WindowHandle>(edit_); }
  LRESULT Open() const { return SendMessageW(frame_, kAskOpen, 0, 0); }
  LRESULT SetOpen(bool open) const { return SendMessageW(frame_, kSetOpen, open ? TRUE : FALSE, 0); }

 private:
  TestThread thread_;
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
  DWORD threadId_ = 0;
};

TEST(InputMethodTest, AnOpenInputMethodIsClosedAndOpenedAgain) {
  BoxThread box;
  ASSERT_EQ(box.SetOpen(true), TRUE) << "the box's input method cannot be opened here";
  Win32DialogControls controls;
  // Closed and opened again; or, where the input method will not be closed from outside (as under
  // Wine), said so and left open.
  const InputMethodState state = controls.CloseInputMethod(box.Box());
  ASSERT_NE(state, InputMethodState::NotOpen);
  EXPECT_EQ(box.Open(), state == InputMethodState::Closed ? FALSE : TRUE);
  if (state == InputMethodState::Closed) controls.ReopenInputMethod(box.Box());
  EXPECT_EQ(box.Open(), TRUE);
}

TEST(InputMethodTest, AClosedInputMethodIsLeftAsItIs) {
  BoxThread box;
  ASSERT_EQ(box.SetOpen(false), FALSE);
  Win32DialogControls controls;
  EXPECT_EQ(controls.CloseInputMethod(box.Box()), InputMethodState::NotOpen);
  EXPECT_EQ(box.Open(), FALSE);
}

}  // namespace
}  // namespace dm::win
