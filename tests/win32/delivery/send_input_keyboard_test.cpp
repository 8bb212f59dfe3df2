// Key presses typed with SendInput into a real edit control owned by another thread, the way a
// delivery reaches another program's dialog.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "deliver/delivery_keys.h"
#include "win32/base/text_conversion.h"
#include "win32/delivery/activation.h"
#include "win32/delivery/clipboard.h"
#include "win32/delivery/send_input_keyboard.h"
#include "win32/support/test_thread.h"

namespace dm::win {
namespace {

constexpr UINT kStall = WM_APP + 1;  // makes the window's thread stop answering for a while

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kStall) {
    Sleep(static_cast<DWORD>(wParam));
    return 0;
  }
  if (message == WM_SETFOCUS) {
    SetFocus(GetDlgItem(window, 1));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A top-level window holding a focused edit control, run by its own thread and message loop.
class EditWindowThread {
 public:
  EditWindowThread() {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = TestThread([this, ready] {
      WNDCLASSW cls{};
      cls.lpfnWndProc = FrameProc;
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.lpszClassName = L"DeliverKeyboardTestFrame";
      RegisterClassW(&cls);
      frame_ = CreateWindowExW(0, cls.lpszClassName, L"Keyboard target", WS_OVERLAPPEDWINDOW, 50, 50, 500,
                               120, nullptr, nullptr, cls.hInstance, nullptr);
      edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 5, 480, 25, frame_,
                              reinterpret_cast<HMENU>(1), cls.hInstance, nullptr);
      ShowWindow(frame_, SW_SHOW);
      SetFocus(edit_);
      threadId_ = GetCurrentThreadId();
      SetEvent(ready);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
  }
  ~EditWindowThread() {
    PostMessageW(frame_, WM_CLOSE, 0, 0);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.Join();
  }

  HWND frame() const { return frame_; }
  DWORD threadId() const { return threadId_; }
  void Clear() const { SendMessageW(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"")); }
  std::string Text() const {
    wchar_t buffer[1024] = {};
    SendMessageTimeoutW(edit_, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return WideToUtf8(buffer);
  }

 private:
  TestThread thread_;
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
  DWORD threadId_ = 0;
};

class SendKeysTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(activation.Activate(reinterpret_cast<WindowHandle>(target.frame()))); }

  bool Send(const KeySequence& keys) {
    return keyboard.SendAndWait(keys, reinterpret_cast<WindowHandle>(target.frame()));
  }
  bool Type(std::string_view text) { return Send(TypedText(text).value()); }

  EditWindowThread target;
  Win32Activation activation;
  SendInputKeyboard keyboard;
};

TEST_F(SendKeysTest, PathsTypedAsTextArriveLiterallyByTheTimeTheSendReturns) {
  for (const char* path : {"C:\\50% +1^2~3\\{x} [y] (z)\\R&D\\",
                           "D:\\\xC3\x9C"
                           "ber \xE6\x97\xA5\xE6\x9C\xAC\\",
                           "\\\\server\\share\\a  b\\", "E:\\\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E\\"}) {
    target.Clear();
    ASSERT_TRUE(Type(path));
    EXPECT_EQ(target.Text(), path);
  }
}

TEST_F(SendKeysTest, NamedKeysAndShiftedCharactersAreKeys) {
  const KeyPress left = KeyPress::Named(NamedKey::Left);
  ASSERT_TRUE(Send({KeyPress::Character(U'a'), KeyPress::Character(U'b'), KeyPress::Character(U'c'), left,
                    left, KeyPress::Character(U'X'), KeyPress::Named(NamedKey::End),
                    KeyPress::Character(U'y', modifier::kShift), KeyPress::Character(U'z', modifier::kShift),
                    KeyPress::Named(NamedKey::Backspace)}));
  EXPECT_EQ(target.Text(), "aXbcY");
}

// A target that takes its time over every key-down it takes off its queue, so a wait begins
// while it is still between a modifier and the key the modifier goes with.
DWORD g_keyDelayMs = 0;
LRESULT CALLBACK SlowKeys(int code, WPARAM removal, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE && msg->message == WM_KEYDOWN &&
      msg->wParam != kSentinelKey) {
    Sleep(g_keyDelayMs);
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}

TEST_F(SendKeysTest, ChordsArriveWholeAtATargetThatTakesItsTimeOverEachKey) {
  g_keyDelayMs = 150;
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, SlowKeys, nullptr, target.threadId());
  ASSERT_NE(hook, nullptr);
  Win32Clipboard clipboard;
  ASSERT_TRUE(clipboard.SetText("pasted"));
  EXPECT_TRUE(Send({KeyPress::Character(U'a', modifier::kShift), KeyPress::Character(U'b', modifier::kShift),
                    kPaste.front()}));
  EXPECT_EQ(target.Text(), "ABpasted");
  UnhookWindowsHookEx(hook);
}

TEST_F(SendKeysTest, WaitGivesUpOnATargetThatStopsAnswering) {
  PostMessageW(target.frame(), kStall, 6000, 0);
  EXPECT_FALSE(Type("late"));
}

}  // namespace
}  // namespace dm::win
