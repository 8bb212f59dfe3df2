#pragma once
// The text a Folders menu entry shows for a folder. The folder's path goes in as it is (an
// ampersand marks the entry's access key in the displayed text, and "&&" shows one ampersand).
// A path too wide for the screen is shortened in the middle with an ellipsis: the drive (or the
// server and share) and as many of the last folders as fit stay readable. Only the text shown is
// shortened: the folder delivered is the whole path. A control character (a tab above all, which a
// menu takes for the start of the entry's accelerator text) shows as a space; the path delivered
// is the one stored.

#include <string>
#include <string_view>

#include "platform/text_measure.h"

namespace dm {

inline constexpr std::string_view kMenuEllipsis = "\u2026";

// caption as it is when it is drawn no wider than maxWidth; otherwise its beginning, the ellipsis and
// its end, as wide as fits. An access-key marker and the character it marks are kept or cut
// together, so the shown parts read as they did in the whole caption.
std::string FitMenuEntryText(std::string_view caption, int maxWidth, const TextMeasure& measure);

// The text a menu shows for caption: "&&" as one ampersand, the marker before an access key left out,
// a control character as a space.
std::string ShownMenuText(std::string_view caption);

}  // namespace dm
