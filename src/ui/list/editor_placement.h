#pragma once
// Where the editor opens: its right edge one pixel beyond the right edge of the screen and its
// bottom edge 28 pixels above the bottom of the screen, clear of a taskbar of standard height.

#include "ui/twips.h"

namespace dm {

struct TwipsPosition {
  double left = 0;
  double top = 0;
};

struct PixelPosition {
  int left = 0;
  int top = 0;
  friend bool operator==(const PixelPosition&, const PixelPosition&) = default;
};

// All values in twips; twipsPerPixel is the screen's vertical factor, used for both adjustments:
// left = screen width - window width + p, top = screen height - window height - 28 p.
TwipsPosition PlaceEditorWindow(double screenWidth, double screenHeight, double windowWidth,
                                double windowHeight, double twipsPerPixel);

// The same for sizes in pixels: converted to twips with the display's scale, placed, converted back.
PixelPosition PlaceEditorWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight,
                                const TwipsScale& scale);

}  // namespace dm
