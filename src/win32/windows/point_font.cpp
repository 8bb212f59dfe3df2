#include "win32/windows/point_font.h"

#include <cmath>

namespace dm::win {

UniqueGdiObject CreatePointFont(const wchar_t* face, double points, bool bold, int dpiY) {
  const int height = -static_cast<int>(std::lround(points * dpiY / 72.0));
  return UniqueGdiObject(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face));
}

}  // namespace dm::win
