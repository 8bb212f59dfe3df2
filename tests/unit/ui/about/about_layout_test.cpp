#include "ui/about/about_layout.h"

#include <gtest/gtest.h>

#include "ui/twips.h"

namespace dm {
namespace {

TEST(CentreOnScreen, HalfTheScreenLessHalfTheWindow) {
  struct Case {
    double screenWidth, screenHeight, windowWidth, windowHeight, left, top;
  };
  // Screens in twips: 1024x768 and 800x600 at 96 dpi, 1920x1080 at 120 dpi; fractions stay.
  const Case cases[] = {
      {15360, 11520, 5100, 3840, 5130, 3840}, {12000, 9000, 5100, 3840, 3450, 2580},
      {23040, 12960, 5100, 3840, 8970, 4560}, {15361, 11521, 5100, 3840, 5130.5, 3840.5},
      {4000, 3000, 5100, 3840, -550, -420},   {15360, 11520, 5265, 4365, 5047.5, 3577.5},
  };
  for (const Case& c : cases) {
    const TwipsPoint at = CentreOnScreen(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight);
    EXPECT_DOUBLE_EQ(at.left, c.left) << c.screenWidth;
    EXPECT_DOUBLE_EQ(at.top, c.top) << c.screenHeight;
  }
}

TEST(MemoryLabel, KeepsItsPlaceAndWidensOnlyForALongerFigure) {
  struct Case {
    double textWidth, width;
  };
  // "16,384 KB" fits the laid-out 855 twips; "24,683,724 KB" at 96 dpi needs about 70 pixels.
  const Case cases[] = {{0, 855}, {600, 855}, {855, 855}, {856, 856}, {1050, 1050}, {2000, 2000}};
  for (const Case& c : cases) {
    const TwipsRect memory = MemoryLabel(c.textWidth);
    EXPECT_DOUBLE_EQ(memory.left, 4080) << c.textWidth;
    EXPECT_DOUBLE_EQ(memory.top, 2520) << c.textWidth;
    EXPECT_DOUBLE_EQ(memory.height, 255) << c.textWidth;
    EXPECT_DOUBLE_EQ(memory.width, c.width) << c.textWidth;
  }
}

TEST(AboutClientSize, HoldsEveryControlWithTheLeftMarginOnTheRightAndBelow) {
  // The layout's left and top margin is the icon's 240 twips. The rightmost controls end at 4935
  // (ProgramLine, FolderCountLine, OkButton, MemoryLine as laid out); OkButton is the lowest, ending at 3650.
  struct Case {
    double memoryTextWidth, width, height;
  };
  const Case cases[] = {{0, 5175, 3890}, {855, 5175, 3890}, {1050, 5370, 3890}, {1500, 5820, 3890}};
  for (const Case& c : cases) {
    const TwipsSize client = AboutClientSize(MemoryLabel(c.memoryTextWidth));
    EXPECT_DOUBLE_EQ(client.width, c.width) << c.memoryTextWidth;
    EXPECT_DOUBLE_EQ(client.height, c.height) << c.memoryTextWidth;
  }
  EXPECT_DOUBLE_EQ(about_layout::kMargin, about_layout::kAboutIcon.left);
  EXPECT_DOUBLE_EQ(about_layout::kMargin, about_layout::kAboutIcon.top);
}

TEST(AboutClientSize, EveryControlLiesInsideWithAtLeastTheMargin) {
  const TwipsRect memory = MemoryLabel(1234);
  const TwipsSize client = AboutClientSize(memory);
  const auto inside = [&](const TwipsRect& r) {
    return r.left >= about_layout::kMargin && r.top >= about_layout::kMargin &&
           r.left + r.width <= client.width - about_layout::kMargin &&
           r.top + r.height <= client.height - about_layout::kMargin;
  };
  for (const TwipsRect& control : about_layout::kFixedControls) {
    EXPECT_TRUE(inside(control)) << control.left << "," << control.top;
  }
  EXPECT_TRUE(inside(memory));
  EXPECT_TRUE(inside(about_layout::kOk));
  EXPECT_LE(about_layout::kShadowLine.x2, client.width - about_layout::kMargin);
}

}  // namespace
}  // namespace dm

namespace dm {
namespace {

TEST(AboutControlRects, LieInsideTheClientAreaInWholePixelsAtEveryScale) {
  // MemoryLine as laid out and widened for a long figure.
  for (const double memoryText : {0.0, 1500.0}) {
    const TwipsRect memory = MemoryLabel(memoryText);
    const TwipsSize client = AboutClientSize(memory);
    for (int dpi = 72; dpi <= 480; ++dpi) {
      const TwipsScale scale = TwipsScale::FromDpi(dpi, dpi);
      const int width = scale.ToPixelsX(client.width);
      const int height = scale.ToPixelsY(client.height);
      for (const PlacedControl& c : AboutControlRects(memory)) {
        const int left = scale.ToPixelsX(c.at.left);
        const int top = scale.ToPixelsY(c.at.top);
        EXPECT_GE(left, 1) << dpi;
        EXPECT_GE(top, 1) << dpi;
        EXPECT_LT(left + scale.ToPixelsX(c.at.width), width)
            << dpi << " control " << static_cast<int>(c.control);
        EXPECT_LT(top + scale.ToPixelsY(c.at.height), height)
            << dpi << " control " << static_cast<int>(c.control);
      }
    }
  }
}

TEST(AboutControlRects, PlaceEveryControlOnce) {
  const auto placed = AboutControlRects(about_layout::kMemory);
  for (std::size_t i = 0; i < placed.size(); ++i) {
    for (std::size_t j = i + 1; j < placed.size(); ++j) EXPECT_NE(placed[i].control, placed[j].control);
  }
  EXPECT_DOUBLE_EQ(AboutControlRects(MemoryLabel(2000))[10].at.width, 2000);
}

}  // namespace
}  // namespace dm
