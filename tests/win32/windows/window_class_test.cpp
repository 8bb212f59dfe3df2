// The boundary around every window procedure: a handler that throws does not take the program
// down with it silently; the shutdown handler (the program's save and exit) runs instead.

#include "win32/windows/window_class.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace dm::win {
namespace {

constexpr UINT kFail = WM_APP + 1;
constexpr UINT kFine = WM_APP + 2;
constexpr wchar_t kClassName[] = L"DashmarksGuardTest";

LRESULT CALLBACK FailingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kFail) throw std::runtime_error("handler failed");
  if (message == kFine) return 42;
  return DefWindowProcW(window, message, wParam, lParam);
}

class GuardedWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterWindowClass(GetModuleHandleW(nullptr), kClassName, Guarded<FailingProc>, COLOR_WINDOW);
    window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    SetUnexpectedFailureHandler({});
    DestroyWindow(window);
  }

  HWND window = nullptr;
  std::vector<std::string> shutdowns;
};

TEST_F(GuardedWindowTest, AFailingHandlerRunsTheShutdownOnceAndTheWindowStillAnswers) {
  SetUnexpectedFailureHandler([this] { shutdowns.push_back("save and exit"); });
  EXPECT_EQ(SendMessageW(window, kFail, 0, 0), 0);
  EXPECT_EQ(shutdowns.size(), 1U);
  EXPECT_EQ(SendMessageW(window, kFine, 0, 0), 42);
  EXPECT_EQ(shutdowns.size(), 1U);
}

TEST_F(GuardedWindowTest, AFailureWhileTheShutdownProcessesMessagesLeavesTheShutdownToFinish) {
  SetUnexpectedFailureHandler([this] {
    shutdowns.push_back("save begins");
    SendMessageW(window, kFail, 0, 0);  // as a message pending during the save would
    shutdowns.push_back("save ends");
  });
  SendMessageW(window, kFail, 0, 0);
  EXPECT_EQ(shutdowns, (std::vector<std::string>{"save begins", "save ends"}));
}

}  // namespace
}  // namespace dm::win
