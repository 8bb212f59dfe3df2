// Mixed display scales: the scale a pop-up menu is drawn at where it opens, the notification area's
// scale, and the Folders menu's entries fitted at the menu's scale. The machine has one scale for
// every monitor, so the monitors are a test's: two side by side at different scales.

#include "win32/windows/display_scale.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "ui/main/menu_entry_text.h"
#include "win32/base/device_context.h"
#include "win32/base/text_conversion.h"
#include "win32/base/unique_handle.h"
#include "win32/windows/menu_entry_fit.h"

namespace dm::win {
namespace {

struct FakeMonitor {
  RECT workArea;
  int dpi;  // 0: the system does not say
};

class FakeMonitors final : public Monitors {
 public:
  // A 1920 x 1080 monitor at 96 dpi and, to its right, a small 1280 x 800 one at 192 dpi; the
  // taskbar on the first.
  FakeMonitors() : list{{{0, 0, 1920, 1040}, 96}, {{1920, 0, 3200, 760}, 192}} {}

  HMONITOR At(POINT at) const override {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (PtInRect(&list[i].workArea, at)) return Handle(i);
    }
    return Handle(0);
  }
  HMONITOR Taskbar() const override { return Handle(taskbar); }
  int Dpi(HMONITOR monitor) const override { return list[Index(monitor)].dpi; }
  bool WorkArea(HMONITOR monitor, RECT& area) const override {
    area = list[Index(monitor)].workArea;
    return true;
  }
  bool MenusScaleApart() const override { return menusScaleApart; }

  std::vector<FakeMonitor> list;
  std::size_t taskbar = 0;
  bool menusScaleApart = true;

 private:
  static HMONITOR Handle(std::size_t i) { return reinterpret_cast<HMONITOR>(static_cast<INT_PTR>(i + 1)); }
  static std::size_t Index(HMONITOR monitor) {
    return static_cast<std::size_t>(reinterpret_cast<INT_PTR>(monitor)) - 1;
  }
};

constexpr POINT kOnTheFirst{600, 500};
constexpr POINT kOnTheSecond{2500, 500};

TEST(MenuDpiAt, IsTheScaleOfTheMonitorTheMenuOpensOn) {
  ASSERT_EQ(SystemDpi(), 96) << "the cases expect the system at 100 %";
  const struct {
    const char* name;
    POINT at;
    int secondDpi;
    bool menusScaleApart;
    int expected;
  } cases[] = {
      {"on the first monitor", kOnTheFirst, 192, true, 96},
      {"on the second monitor", kOnTheSecond, 192, true, 192},
      {"on a second monitor at 150 %", kOnTheSecond, 144, true, 144},
      // Where the system does not give a monitor's scale, or draws menus at its own scale (a program
      // per-monitor v1), the menu has the system's.
      {"no scale for the monitor", kOnTheSecond, 0, true, 96},
      {"menus at the system's scale", kOnTheSecond, 192, false, 96},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeMonitors monitors;
    monitors.list[1].dpi = c.secondDpi;
    monitors.menusScaleApart = c.menusScaleApart;
    EXPECT_EQ(MenuDpiAt(c.at, monitors), c.expected);
  }
}

TEST(TaskbarDpi, IsTheScaleOfTheTaskbarsMonitor) {
  const struct {
    const char* name;
    std::size_t taskbar;
    int secondDpi;
    bool menusScaleApart;
    int expected;
  } cases[] = {
      {"taskbar on the first monitor", 0, 192, true, 96},
      {"taskbar on the second monitor", 1, 192, true, 192},
      // The notification area scales with its monitor whatever the menus do.
      {"menus at the system's scale", 1, 144, false, 144},
      {"no scale for the monitor", 1, 0, true, SystemDpi()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeMonitors monitors;
    monitors.taskbar = c.taskbar;
    monitors.list[1].dpi = c.secondDpi;
    monitors.menusScaleApart = c.menusScaleApart;
    EXPECT_EQ(TaskbarDpi(monitors), c.expected);
  }
}

TEST(DisplayScale, OnOneMonitorAtTheSystemsScaleEverythingHasTheSystemsScale) {
  // The test machine's own monitors: one, at the scale the system started with.
  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
  const Monitors& monitors = SystemMonitors();
  EXPECT_EQ(monitors.Dpi(monitors.At(POINT{10, 10})), SystemDpi());
  EXPECT_EQ(monitors.Taskbar(), monitors.At(POINT{10, 10}));
  EXPECT_EQ(TaskbarDpi(), SystemDpi());
  EXPECT_EQ(MenuDpiAt(POINT{10, 10}), SystemDpi());
  EXPECT_EQ(MenuEntryFit(POINT{10, 10}).Dpi(), SystemDpi());
}

// text's width drawn in the system's menu font at dpi, measured apart from the fit.
int DrawnWidth(const std::string& text, int dpi) {
  const LOGFONTW menuFont = SystemFontForDpi(SystemFont::Menu, dpi);
  const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const UniqueGdiObject font(CreateFontIndirectW(&menuFont));
  const ScopedSelectObject selected(dc.Get(), font.Get());
  const std::wstring wide = Utf8ToWide(ShownMenuText(text));
  SIZE extent{};
  EXPECT_TRUE(GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &extent));
  return extent.cx;
}

TEST(MenuEntryFit, MeasuresInTheMenusFontAtTheScaleOfItsMonitor) {
  // 250 characters, as a folder deep in a project tree has: it fits the first monitor whole and is
  // twice too wide for the second.
  std::string path = "C:\\";
  for (int n = 1; n <= 11; ++n) path += "Customer projects " + std::to_string(10 + n) + "\\";
  path += "Final report 26\\";
  ASSERT_EQ(path.size(), 250u);

  const FakeMonitors monitors;
  const struct {
    const char* name;
    POINT at;
    int dpi;
    int workWidth;
  } cases[] = {
      {"first monitor", kOnTheFirst, 96, 1920},
      {"second monitor", kOnTheSecond, 192, 1280},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const MenuEntryFit fit(c.at, monitors);
    EXPECT_EQ(fit.Dpi(), c.dpi);
    // The monitor's width but for the check marks', submenu arrows' and frame's room at its scale.
    EXPECT_EQ(fit.MaxWidth(), c.workWidth - 4 * SystemMetricForDpi(SM_CXMENUCHECK, c.dpi));
    const int wholeWidth = DrawnWidth(path, c.dpi);
    EXPECT_EQ(fit.Width(path), wholeWidth);
    const std::string shown = fit.Fit(path);
    const int shownWidth = DrawnWidth(shown, c.dpi);
    if (wholeWidth <= fit.MaxWidth()) {
      EXPECT_EQ(shown, path);
    } else {
      // Shortened as the menu draws it there: within the monitor, and not by much more than needed.
      EXPECT_NE(shown, path);
      EXPECT_LE(shownWidth, fit.MaxWidth()) << shown;
      EXPECT_GE(shownWidth, fit.MaxWidth() * 3 / 4) << shown;
    }
  }
  // The same path, as each menu shows it.
  EXPECT_EQ(MenuEntryFit(kOnTheFirst, monitors).Fit(path), path);
  EXPECT_NE(MenuEntryFit(kOnTheSecond, monitors).Fit(path), path);
}

}  // namespace
}  // namespace dm::win
