#pragma once
// Start-up readings of the options. Hand-edited text never stops the program.

#include <optional>
#include <string>
#include <string_view>

namespace dm {

// The clipboard option from the stored "Clipboard" text: "False" clears it; "True", a missing key
// and any other text set it (on is the default). Blanks around the word and letter case are ignored.
bool ClipboardOptionFromText(std::string_view text);

// The process priority class from the stored "Priority" text: 32 (normal), 64 (idle) or
// 128 (high); anything else, text that is not a number included, runs as 32.
int PriorityClassFromText(std::string_view text);

inline constexpr int kNormalPriorityClass = 32;
inline constexpr int kIdlePriorityClass = 64;
inline constexpr int kHighPriorityClass = 128;

// The tip of the notification-area icon: the count in decimal, then " Dashmarks".
std::string TrayTipText(unsigned pathCount);

}  // namespace dm
