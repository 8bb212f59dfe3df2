#include "win32/windows/menu_entry_fit.h"

#include <algorithm>

#include "ui/main/menu_entry_text.h"
#include "win32/base/text_conversion.h"
#include "win32/base/trace.h"
#include "win32/windows/display_scale.h"

namespace dm::win {

namespace {

// Besides its text, an entry takes the check mark's column, the submenu arrow's and the menu's
// frame: four check marks' widths is room for them all.
constexpr int kFrameChecks = 4;

// The system's menu font at the menu's scale, as the menu is drawn in.
UniqueGdiObject MenuFont(int dpi) {
  const LOGFONTW menuFont = SystemFontForDpi(SystemFont::Menu, dpi);
  return UniqueGdiObject(CreateFontIndirectW(&menuFont));
}
}  // namespace

MenuEntryFit::MenuEntryFit(POINT at, const Monitors& monitors)
    : dpi_(MenuDpiAt(at, monitors)),
      dc_(CreateCompatibleDC(nullptr)),
      font_(MenuFont(dpi_)),
      selectedFont_(dc_.Get(), font_.Get()) {
  RECT workArea{};
  if (!monitors.WorkArea(monitors.At(at), workArea)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  }
  maxWidth_ = std::max(0, static_cast<int>(workArea.right - workArea.left) -
                              kFrameChecks * SystemMetricForDpi(SM_CXMENUCHECK, dpi_));
}

std::string MenuEntryFit::Fit(std::string_view caption) const {
  return FitMenuEntryText(caption, maxWidth_, *this);
}

int MenuEntryFit::Width(std::string_view text) const {
  const std::wstring wide = Utf8ToWide(text);
  SIZE extent{};
  if (!dc_ || !GetTextExtentPoint32W(dc_.Get(), wide.c_str(), static_cast<int>(wide.size()), &extent)) {
    // Unmeasurable: a check mark's width for each character, which shortens more than needed.
    Trace("a menu entry could not be measured");
    return static_cast<int>(wide.size()) * SystemMetricForDpi(SM_CXMENUCHECK, dpi_);
  }
  return extent.cx;
}

}  // namespace dm::win
