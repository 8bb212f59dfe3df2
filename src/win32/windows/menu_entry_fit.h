#pragma once
// Fits the Folders menu's entries to the monitor where the menu opens: an entry wider than the
// monitor is shortened in the middle (ui/main/menu_entry_text.h), measured in the menu's font at the
// scale the menu is drawn at there.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/text_measure.h"
#include "win32/base/device_context.h"
#include "win32/base/unique_handle.h"
#include "win32/windows/display_scale.h"

namespace dm::win {

class MenuEntryFit final : public TextMeasure {
 public:
  // For a menu that opens at at, on one of monitors.
  explicit MenuEntryFit(POINT at, const Monitors& monitors = SystemMonitors());
  ~MenuEntryFit() override = default;
  MenuEntryFit(const MenuEntryFit&) = delete;
  MenuEntryFit& operator=(const MenuEntryFit&) = delete;

  // The text the entry for caption shows.
  std::string Fit(std::string_view caption) const;
  int Width(std::string_view text) const override;
  int MaxWidth() const { return maxWidth_; }
  // The dots per inch the entries are measured at: the menu's.
  int Dpi() const { return dpi_; }

 private:
  int dpi_;
  UniqueMemoryDc dc_;
  UniqueGdiObject font_;
  ScopedSelectObject selectedFont_;  // goes first: the font is given back before it is deleted
  int maxWidth_ = 0;
};

}  // namespace dm::win
