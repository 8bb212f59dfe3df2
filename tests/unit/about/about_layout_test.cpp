#include "ui/about/about_layout.h"

#include <gtest/gtest.h>

namespace dm {
namespace {

TEST(CentreOnScreen, HalfTheScreenLessHalfTheWindow) {
  struct Case {
    double screenWidth, screenHeight, left, top;
  };
  // Screens in twips: 1024x768 and 800x600 at 96 dpi, 1920x1080 at 120 dpi; fractions stay.
  const Case cases[] = {
      {15360, 11520, 5130, 3840},     {12000, 9000, 3450, 2580}, {23040, 12960, 8970, 4560},
      {15361, 11521, 5130.5, 3840.5}, {4000, 3000, -550, -420},
  };
  for (const Case& c : cases) {
    const TwipsPoint at = CentreOnScreen(c.screenWidth, c.screenHeight, about_layout::kWindowWidth,
                                         about_layout::kWindowHeight);
    EXPECT_DOUBLE_EQ(at.left, c.left) << c.screenWidth;
    EXPECT_DOUBLE_EQ(at.top, c.top) << c.screenHeight;
  }
}

}  // namespace
}  // namespace dm
