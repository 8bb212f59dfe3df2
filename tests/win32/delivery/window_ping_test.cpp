// Waiting for another window's answer: a window that can never answer ends the wait at once,
// however far the deadline, and one that answers late is waited for.

#include "win32/delivery/window_ping.h"

#include <gtest/gtest.h>

#include "win32/support/test_thread.h"

namespace dm::win {
namespace {

constexpr ULONGLONG kFarDeadlineMs = 2000;

// Stand-ins for the system's SendMessageTimeoutW: every call is counted, and each fails at once
// with one error, the way a send to a window of a higher integrity level, or one just destroyed,
// does.
int sends = 0;

LRESULT WINAPI RefusedSend(HWND, UINT, WPARAM, LPARAM, UINT, UINT, PDWORD_PTR) {
  ++sends;
  SetLastError(ERROR_ACCESS_DENIED);
  return 0;
}

LRESULT WINAPI InvalidHandleSend(HWND, UINT, WPARAM, LPARAM, UINT, UINT, PDWORD_PTR) {
  ++sends;
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return 0;
}

// Times out twice, then answers.
LRESULT WINAPI LateAnswerSend(HWND, UINT, WPARAM, LPARAM, UINT, UINT, PDWORD_PTR result) {
  if (++sends < 3) {
    SetLastError(ERROR_TIMEOUT);
    return 0;
  }
  *result = 0;
  return 1;
}

class OwnWindow {
 public:
  OwnWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
  ~OwnWindow() {
    if (window_) DestroyWindow(window_);
  }
  OwnWindow(const OwnWindow&) = delete;
  OwnWindow& operator=(const OwnWindow&) = delete;
  HWND Get() const { return window_; }

 private:
  HWND window_;
};

TEST(WindowPingTest, AnErrorThatWillNotChangeEndsTheWaitAtTheFirstAsk) {
  const OwnWindow live;  // a window that exists: only the error tells the send cannot succeed
  ASSERT_NE(live.Get(), nullptr);
  for (const SendTimeoutFunction send : {&RefusedSend, &InvalidHandleSend}) {
    sends = 0;
    EXPECT_FALSE(AnswersBefore(live.Get(), GetTickCount64() + kFarDeadlineMs, send));
    EXPECT_EQ(sends, 1);
  }
}

TEST(WindowPingTest, AWindowDestroyedByItsThreadIsGivenUp) {
  HWND gone = nullptr;
  TestThread([&gone] {
    gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
  }).Join();
  ASSERT_NE(gone, nullptr);
  EXPECT_EQ(Ping(gone, 250), PingResult::kNeverWill);
  EXPECT_FALSE(AnswersBefore(gone, GetTickCount64() + kFarDeadlineMs));
}

TEST(WindowPingTest, ALateAnswerIsWaitedFor) {
  const OwnWindow live;
  // A thread that has read no message for seconds counts as hung; this one is not.
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  sends = 0;
  EXPECT_TRUE(AnswersBefore(live.Get(), GetTickCount64() + kFarDeadlineMs, &LateAnswerSend));
  EXPECT_EQ(sends, 3);
}

}  // namespace
}  // namespace dm::win
