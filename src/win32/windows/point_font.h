#pragma once
// Fonts given by face and point size, in the display's real resolution.

#include "win32/base/unique_handle.h"

namespace dm::win {

// e.g. CreatePointFont(L"MS Sans Serif", 8.25, false, 96): the character height rounded to whole
// pixels at dpiY.
UniqueGdiObject CreatePointFont(const wchar_t* face, double points, bool bold, int dpiY);

}  // namespace dm::win
