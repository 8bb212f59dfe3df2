#pragma once
// Start-up readings of the options. Hand-edited text never stops the program.

#include <cstddef>
#include <string>
#include <string_view>

namespace dm {

// The clipboard option from the stored "Clipboard" text: "False" clears it; "True", a missing key
// and any other text set it (on is the default). Blanks around the word and letter case are ignored.
bool ClipboardOptionFromText(std::string_view text);

// Whether a failed delivery shows a notice, from the stored "Notify" text: read as the clipboard
// option is ("False" alone turns it off).
bool NoticesFromText(std::string_view text);

enum class ProcessPriority { Normal, Idle, High };

// The process priority from the stored "Priority" text: "32" normal, "64" idle, "128" high;
// anything else, text that is not a number included, runs at normal priority.
ProcessPriority PriorityFromText(std::string_view text);

// The tip of the notification-area icon: the count in decimal, then " Dashmarks".
std::string TrayTipText(std::size_t folderCount);

}  // namespace dm
