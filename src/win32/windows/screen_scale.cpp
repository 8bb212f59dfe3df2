#include "win32/windows/screen_scale.h"

#include <windows.h>

#include "win32/base/device_context.h"

namespace dm::win {

TwipsScale ScreenScale() {
  const ScopedGetDC screen(nullptr);
  return TwipsScale::FromDpi(GetDeviceCaps(screen.Get(), LOGPIXELSX),
                             GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

}  // namespace dm::win
