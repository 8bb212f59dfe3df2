#include "ui/list/editor_placement.h"

#include <gtest/gtest.h>

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

TEST(PlaceEditorWindow, RightEdgeOnePixelBeyondTheScreenAndBottom28PixelsAboveIt) {
  const PixelCase cases[] = {
      {"96 dpi", 96, 1024, 768, 217, 89, {808, 651}},
      {"120 dpi", 120, 1280, 1024, 271, 111, {1010, 885}},
      {"144 dpi", 144, 1920, 1080, 326, 134, {1595, 918}},
  };
  for (const PixelCase& c : cases) {
    const PixelPosition at = PlaceEditorWindow(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight,
                                               TwipsScale::FromDpi(c.dpi, c.dpi));
    EXPECT_EQ(at, c.expected) << c.name;
    EXPECT_EQ(at.left + c.windowWidth, c.screenWidth + 1) << c.name;
    EXPECT_EQ(at.top + c.windowHeight, c.screenHeight - 28) << c.name;
  }
}

}  // namespace
}  // namespace dm
