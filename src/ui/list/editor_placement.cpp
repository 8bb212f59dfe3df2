#include "ui/list/editor_placement.h"

namespace dm {

namespace {
constexpr int kTaskbarPixels = 28;
}

TwipsPosition PlaceEditorWindow(double screenWidth, double screenHeight, double windowWidth,
                                double windowHeight, double twipsPerPixel) {
  return {screenWidth - windowWidth + twipsPerPixel,
          screenHeight - windowHeight - kTaskbarPixels * twipsPerPixel};
}

PixelPosition PlaceEditorWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight,
                                const TwipsScale& scale) {
  const TwipsPosition twips =
      PlaceEditorWindow(scale.ToTwipsX(screenWidth), scale.ToTwipsY(screenHeight),
                        scale.ToTwipsX(windowWidth), scale.ToTwipsY(windowHeight), scale.twipsPerPixelY);
  return {scale.ToPixelsX(twips.left), scale.ToPixelsY(twips.top)};
}

}  // namespace dm
