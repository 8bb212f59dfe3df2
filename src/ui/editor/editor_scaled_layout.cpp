#include "ui/editor/editor_scaled_layout.h"

#include <algorithm>

#include "ui/twips.h"

namespace dm {

ScaledEditorLayout EditorLayoutForDpi(int dpi, int labelTextWidth) {
  const TwipsScale scale = TwipsScale::FromDpi(dpi, dpi);
  ScaledEditorLayout layout;
  int right = 0;
  int bottom = 0;
  int left = layout.clientWidth = scale.ToPixelsX(kEditorWidth);
  int top = layout.clientHeight = scale.ToPixelsY(kEditorHeight);
  for (std::size_t i = 0; i < kEditorControls.size(); ++i) {
    const EditorControlLayout& control = kEditorControls[i];
    // Edges rounded, not sizes: neighbours keep their gaps and the margins stay even.
    const int x = scale.ToPixelsX(control.left);
    const int y = scale.ToPixelsY(control.top);
    layout.controls[i] = {control.control, x, y, scale.ToPixelsX(control.left + control.width) - x,
                          scale.ToPixelsY(control.top + control.height) - y};
    if (control.control == EditorControl::PathLabel) {
      layout.controls[i].width = std::max(layout.controls[i].width, labelTextWidth);
    }
    left = std::min(left, layout.controls[i].left);
    top = std::min(top, layout.controls[i].top);
    right = std::max(right, layout.controls[i].left + layout.controls[i].width);
    bottom = std::max(bottom, layout.controls[i].top + layout.controls[i].height);
  }
  // The margins around the controls, as wide on the right and below as on the left and above, in
  // whole pixels.
  layout.clientWidth = right + left;
  layout.clientHeight = bottom + top;
  return layout;
}

}  // namespace dm
