#pragma once
// The display's real twips-per-pixel factors, read from the screen's device context.

#include "ui/twips.h"

namespace dm::win {

TwipsScale ScreenScale();

}  // namespace dm::win
