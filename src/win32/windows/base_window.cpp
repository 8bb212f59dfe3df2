#include "win32/windows/base_window.h"

#include <string>

#include "win32/base/device_context.h"
#include "win32/base/text_conversion.h"
#include "win32/windows/display_scale.h"

namespace dm::win {

void FitFrame(HWND window, SIZE client, DWORD style, DWORD exStyle, int dpi, const RECT* suggested) {
  const SIZE outer = FrameSizeForDpi(client, style, exStyle, dpi);
  if (suggested != nullptr) {
    SetWindowPos(window, nullptr, suggested->left, suggested->top, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int TextWidth(HGDIOBJ font, std::string_view text, bool accessKeyMarker) {
  const std::wstring wide = Utf8ToWide(text);
  const ScopedGetDC screen(nullptr);
  const ScopedSelectObject selected(screen.Get(), font);
  RECT extent{0, 0, 0, 0};
  const UINT format = DT_CALCRECT | DT_SINGLELINE | (accessKeyMarker ? 0U : static_cast<UINT>(DT_NOPREFIX));
  DrawTextW(screen.Get(), wide.c_str(), static_cast<int>(wide.size()), &extent, format);
  return extent.right - extent.left;
}

}  // namespace dm::win
