#pragma once
// Window geometry is laid out in twips (1/1440 inch). The display's real twips-per-pixel factor
// is 1440 / dots-per-inch: 15 at 96 dpi, 12 at 120 dpi.

namespace dm {

struct TwipsScale {
  double twipsPerPixelX = 15.0;
  double twipsPerPixelY = 15.0;

  static TwipsScale FromDpi(int dpiX, int dpiY) {
    return {1440.0 / (dpiX > 0 ? dpiX : 96), 1440.0 / (dpiY > 0 ? dpiY : 96)};
  }
  int ToPixelsX(double twips) const { return Round(twips / twipsPerPixelX); }
  int ToPixelsY(double twips) const { return Round(twips / twipsPerPixelY); }
  double ToTwipsX(int pixels) const { return pixels * twipsPerPixelX; }
  double ToTwipsY(int pixels) const { return pixels * twipsPerPixelY; }

 private:
  static int Round(double v) { return static_cast<int>(v < 0 ? v - 0.5 : v + 0.5); }
};

}  // namespace dm
