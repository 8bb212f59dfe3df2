#pragma once
// Where the editor opens: its right edge one pixel beyond the right edge of the work area and its
// bottom edge 28 pixels above the bottom of the work area, on the monitor where the pointer is.
// The work area leaves out the taskbar, whatever its size and edge, so it never covers the
// editor's buttons.

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

// A rectangle in screen pixels; right and bottom lie just outside it.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// All values in twips; twipsPerPixel is the screen's vertical factor, used for both adjustments:
// left = area width - window width + p, top = area height - window height - 28 p.
TwipsPosition PlaceEditorWindow(double areaWidth, double areaHeight, double windowWidth, double windowHeight,
                                double twipsPerPixel);

// The same in pixels within workArea, a part of monitor. The pixel beyond the right edge is given
// only where it falls off the monitor; by a taskbar on the right the window ends at the work
// area's edge. A window larger than the work area keeps its top left corner inside it.
PixelPosition PlaceEditorWindow(const PixelRect& workArea, const PixelRect& monitor, int windowWidth,
                                int windowHeight, const TwipsScale& scale);

}  // namespace dm
