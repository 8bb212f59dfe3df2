#pragma once
// The editor's layout in pixels at a display scale: its client area and each control, in creation
// order. The editor is laid out again with it whenever it moves to a monitor of another scale.

#include <array>

#include "ui/editor/editor_layout.h"

namespace dm {

struct ScaledControl {
  EditorControl control;
  int left, top, width, height;  // pixels, in the client area
};

struct ScaledEditorLayout {
  int clientWidth = 0;
  int clientHeight = 0;
  std::array<ScaledControl, kEditorControls.size()> controls{};
};

// dpi: dots per inch, 96 at 100 %; anything below 1 counts as 96. labelTextWidth: the pixels the
// "&Path:" label's text takes in the editor's font at that scale; the label widens to it where the
// font is wider than the one it was laid out for (nothing lies to its right).
ScaledEditorLayout EditorLayoutForDpi(int dpi, int labelTextWidth = 0);

}  // namespace dm
