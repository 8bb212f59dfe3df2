#include "ui/editor/editor_placement.h"

#include <algorithm>

namespace dm {

namespace {
constexpr int kTaskbarPixels = 28;
}

TwipsPosition PlaceEditorWindow(double areaWidth, double areaHeight, double windowWidth, double windowHeight,
                                double twipsPerPixel) {
  return {areaWidth - windowWidth + twipsPerPixel,
          areaHeight - windowHeight - kTaskbarPixels * twipsPerPixel};
}

PixelPosition PlaceEditorWindow(const PixelRect& workArea, const PixelRect& monitor, int windowWidth,
                                int windowHeight, const TwipsScale& scale) {
  const TwipsPosition twips = PlaceEditorWindow(
      scale.ToTwipsX(workArea.right - workArea.left), scale.ToTwipsY(workArea.bottom - workArea.top),
      scale.ToTwipsX(windowWidth), scale.ToTwipsY(windowHeight), scale.twipsPerPixelY);
  PixelPosition at{workArea.left + scale.ToPixelsX(twips.left), workArea.top + scale.ToPixelsY(twips.top)};
  // A taskbar on the right is part of the monitor: the pixel beyond would lie on it.
  if (workArea.right < monitor.right) at.left = std::min(at.left, workArea.right - windowWidth);
  at.left = std::max(at.left, workArea.left);
  at.top = std::max(at.top, workArea.top);
  return at;
}

}  // namespace dm
