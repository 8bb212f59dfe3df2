// The base of the program's windows: the object is bound to its window from the first message
// after WM_NCCREATE to WM_NCDESTROY, the window goes with the object, a handler that throws stays
// inside the window procedure, and a change of scale reaches the window's LayOut.

#include "win32/windows/base_window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace dm::win {
namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;

// A window that records the messages it sees with whether it held its own handle then.
class Recorder final : public BaseWindow<Recorder> {
 public:
  explicit Recorder(std::vector<std::string>& log) : log_(log) {}
  bool Create() {
    return CreateBound({GetModuleHandleW(nullptr),
                        L"DashmarksBaseWindowTest",
                        COLOR_WINDOW,
                        0,
                        WS_POPUP,
                        L"",
                        {0, 0, 40, 30},
                        nullptr}) != nullptr;
  }
  void Close() { Destroy(); }
  void LayOut(int dpi, const RECT* suggested) {
    log_.push_back("layout " + std::to_string(dpi) +
                   (suggested != nullptr ? " at " + std::to_string(suggested->left) : ""));
  }

 private:
  friend class BaseWindow<Recorder>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool own = Window() != nullptr;
    if (message == WM_CREATE) log_.push_back(own ? "create, bound" : "create, unbound");
    if (message == WM_DESTROY) log_.push_back(own ? "destroy, bound" : "destroy, unbound");
    if (message == WM_NCDESTROY) log_.push_back(own ? "ncdestroy, bound" : "ncdestroy, unbound");
    if (message == kThrow) throw std::runtime_error("handler failed");
    if (message == kAnswer) return 42;
    return DefaultProcedure(message, wParam, lParam);
  }

  std::vector<std::string>& log_;
};

class BaseWindowTest : public testing::Test {
 protected:
  void TearDown() override { SetUnexpectedFailureHandler({}); }
  std::vector<std::string> log;
};

TEST_F(BaseWindowTest, TheObjectHasItsWindowFromCreationToItsLastMessage) {
  Recorder recorder(log);
  ASSERT_TRUE(recorder.Create());
  const HWND window = recorder.Window();
  ASSERT_TRUE(IsWindow(window));
  recorder.Close();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(recorder.IsOpen());
  EXPECT_EQ(log, (std::vector<std::string>{"create, bound", "destroy, bound", "ncdestroy, bound"}));
  // Let go at WM_NCDESTROY: nothing of the object answers for the handle any more.
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), 0);
}

TEST_F(BaseWindowTest, TheWindowGoesWithItsObjectWithoutCallingIntoIt) {
  HWND window = nullptr;
  {
    Recorder recorder(log);
    ASSERT_TRUE(recorder.Create());
    window = recorder.Window();
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(log, (std::vector<std::string>{"create, bound"}));
}

TEST_F(BaseWindowTest, AWindowTheSystemDestroysIsLetGoOf) {
  Recorder recorder(log);
  ASSERT_TRUE(recorder.Create());
  DestroyWindow(recorder.Window());
  EXPECT_FALSE(recorder.IsOpen());
  EXPECT_EQ(log.back(), "ncdestroy, bound");
}

TEST_F(BaseWindowTest, AHandlerThatThrowsStaysInsideTheProcedureAndRunsTheShutdown) {
  int shutdowns = 0;
  SetUnexpectedFailureHandler([&] { ++shutdowns; });
  Recorder recorder(log);
  ASSERT_TRUE(recorder.Create());
  EXPECT_EQ(SendMessageW(recorder.Window(), kThrow, 0, 0), 0);
  EXPECT_EQ(shutdowns, 1);
  EXPECT_EQ(SendMessageW(recorder.Window(), kAnswer, 0, 0), 42);
}

TEST_F(BaseWindowTest, AChangeOfScaleLaysTheWindowOutWhereTheSystemSuggests) {
  Recorder recorder(log);
  ASSERT_TRUE(recorder.Create());
  RECT suggested{300, 200, 360, 245};
  EXPECT_EQ(SendMessageW(recorder.Window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                         reinterpret_cast<LPARAM>(&suggested)),
            0);
  EXPECT_EQ(log.back(), "layout 144 at 300");
}

}  // namespace
}  // namespace dm::win
