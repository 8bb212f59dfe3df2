#include "platform/win32/windows/screen_scale.h"

#include <windows.h>

namespace dm::win {

TwipsScale ScreenScale() {
  HDC screen = GetDC(nullptr);
  const TwipsScale scale =
      TwipsScale::FromDpi(GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return scale;
}

}  // namespace dm::win
