// The hidden main window's answers that need no window of its own: the click timer's interval.

#include "platform/win32/windows/main_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace dm::win {
namespace {

class EmptyStore : public SettingsStore {
 public:
  std::optional<std::string> Get(std::string_view, std::string_view, std::string_view) override {
    return std::nullopt;
  }
  void Put(std::string_view, std::string_view, std::string_view, std::string_view) override {}
  void Remove(std::string_view, std::string_view, std::string_view) override {}
};

class NoDelivery : public PathDelivery {
 public:
  DeliveryOutcome DeliverPath(const std::string&, bool) override { return DeliveryOutcome::NoTarget; }
  DeliveryOutcome DeliverPathTo(const std::string&, bool, WindowHandle) override {
    return DeliveryOutcome::NoTarget;
  }
};

TEST(MainWindowTest, TheClickTimerTakesTheDoubleClickTimeTheSystemUsesNow) {
  // The shell tells a double click on the icon by the system's current value, which a change
  // sets at once, whatever the profile's copy says.
  const UINT saved = GetDoubleClickTime();
  EmptyStore store;
  NoDelivery delivery;
  MainWindow window(GetModuleHandleW(nullptr), store, delivery);
  for (const UINT milliseconds : {210U, 730U}) {
    ASSERT_TRUE(SetDoubleClickTime(milliseconds));
    EXPECT_EQ(window.DoubleClickTime(), static_cast<int>(milliseconds));
  }
  SetDoubleClickTime(saved);
}

}  // namespace
}  // namespace dm::win
