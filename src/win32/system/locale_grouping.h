#pragma once
// The user's digit grouping, for whole numbers shown in the program's windows.

#include "ui/about/about_text.h"

namespace dm::win {

// Separator and group sizes of the user's locale; thousands with "," when the locale has none.
DigitGrouping UserDigitGrouping();

}  // namespace dm::win
