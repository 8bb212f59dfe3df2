#include "ui/editor/editor_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace dm {
namespace {

struct TwipsCase {
  const char* name;
  double screenWidth, screenHeight, windowWidth, windowHeight, twipsPerPixel;
  double left, top;
};

TEST(PlaceEditorWindow, TwipsArithmeticUsesOnePixelRightAnd28PixelsUp) {
  const TwipsCase cases[] = {
      {"96 dpi, 1024 x 768", 15360, 11520, 3255, 1335, 15, 12120, 9765},
      {"120 dpi, 1280 x 1024", 15360, 12288, 3255, 1335, 12, 12117, 10617},
      {"window as large as the screen", 9600, 7200, 9600, 7200, 15, 15, -420},
  };
  for (const TwipsCase& c : cases) {
    const TwipsPosition at =
        PlaceEditorWindow(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight, c.twipsPerPixel);
    EXPECT_DOUBLE_EQ(at.left, c.left) << c.name;
    EXPECT_DOUBLE_EQ(at.top, c.top) << c.name;
  }
}

struct PixelCase {
  const char* name;
  int dpi;
  int screenWidth, screenHeight, windowWidth, windowHeight;
  PixelPosition expected;
};

TEST(PlaceEditorWindow, WithoutATaskbarTheRightEdgeIsOnePixelBeyondAndTheBottom28PixelsAbove) {
  const PixelCase cases[] = {
      {"96 dpi", 96, 1024, 768, 217, 89, {808, 651}},
      {"120 dpi", 120, 1280, 1024, 271, 111, {1010, 885}},
      {"144 dpi", 144, 1920, 1080, 326, 134, {1595, 918}},
  };
  for (const PixelCase& c : cases) {
    const PixelRect screen{0, 0, c.screenWidth, c.screenHeight};
    const PixelPosition at =
        PlaceEditorWindow(screen, screen, c.windowWidth, c.windowHeight, TwipsScale::FromDpi(c.dpi, c.dpi));
    EXPECT_EQ(at, c.expected) << c.name;
    EXPECT_EQ(at.left + c.windowWidth, c.screenWidth + 1) << c.name;
    EXPECT_EQ(at.top + c.windowHeight, c.screenHeight - 28) << c.name;
  }
}

enum class Edge { kBottom, kTop, kLeft, kRight };

PixelRect WorkAreaBeside(const PixelRect& monitor, Edge edge, int taskbar) {
  PixelRect work = monitor;
  switch (edge) {
    case Edge::kBottom:
      work.bottom -= taskbar;
      break;
    case Edge::kTop:
      work.top += taskbar;
      break;
    case Edge::kLeft:
      work.left += taskbar;
      break;
    case Edge::kRight:
      work.right -= taskbar;
      break;
  }
  return work;
}

const char* NameOf(Edge edge) {
  switch (edge) {
    case Edge::kBottom:
      return "bottom";
    case Edge::kTop:
      return "top";
    case Edge::kLeft:
      return "left";
    case Edge::kRight:
      return "right";
  }
  return "";
}

TEST(PlaceEditorWindow, TheWindowLiesInTheWorkAreaWhereverTheTaskbarIs) {
  struct Display {
    int dpi;
    PixelRect monitor;  // where the pointer is
    int windowWidth, windowHeight;
  };
  const Display displays[] = {
      {96, {0, 0, 1920, 1080}, 217, 89},
      {96, {-1280, -200, 0, 824}, 217, 89},  // a second monitor left of and above the first
      {96, {0, 0, 640, 480}, 217, 89},
      {144, {0, 0, 2880, 1620}, 326, 134},
      {144, {2880, 0, 4800, 1080}, 326, 134},  // a second monitor to the right
  };
  for (const Display& display : displays) {
    for (const int taskbar : {40, 48, 72}) {
      for (const Edge edge : {Edge::kBottom, Edge::kTop, Edge::kLeft, Edge::kRight}) {
        const PixelRect work = WorkAreaBeside(display.monitor, edge, taskbar);
        const PixelPosition at =
            PlaceEditorWindow(work, display.monitor, display.windowWidth, display.windowHeight,
                              TwipsScale::FromDpi(display.dpi, display.dpi));
        const PixelRect window{at.left, at.top, at.left + display.windowWidth, at.top + display.windowHeight};
        // What of the window is on the monitor lies inside the work area: no taskbar covers it.
        const PixelRect shown{
            std::max(window.left, display.monitor.left), std::max(window.top, display.monitor.top),
            std::min(window.right, display.monitor.right), std::min(window.bottom, display.monitor.bottom)};
        const std::string name = std::to_string(display.dpi) + " dpi, monitor at " +
                                 std::to_string(display.monitor.left) + "," +
                                 std::to_string(display.monitor.top) + ", " + std::to_string(taskbar) +
                                 " px taskbar at the " + NameOf(edge);
        EXPECT_GE(shown.left, work.left) << name;
        EXPECT_GE(shown.top, work.top) << name;
        EXPECT_LE(shown.right, work.right) << name;
        EXPECT_LE(shown.bottom, work.bottom) << name;
        // And the monitor shows it whole, but for the one pixel column beyond its right edge.
        EXPECT_GE(shown.right - shown.left, display.windowWidth - 1) << name;
        EXPECT_EQ(shown.bottom - shown.top, display.windowHeight) << name;
      }
    }
  }
}

TEST(PlaceEditorWindow, AWindowLargerThanTheWorkAreaKeepsItsTopLeftCornerInIt) {
  const PixelRect monitor{0, 0, 800, 600};
  const PixelRect work{0, 48, 800, 600};
  const PixelPosition at = PlaceEditorWindow(work, monitor, 900, 700, TwipsScale::FromDpi(96, 96));
  EXPECT_EQ(at, (PixelPosition{0, 48}));
}

}  // namespace
}  // namespace dm
