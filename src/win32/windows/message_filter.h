#pragma once
// Messages let through to a window from processes of lower integrity. A copy of the program run as
// administrator has its windows guarded by the system (User Interface Privilege Isolation): the
// shell, which runs at the user's ordinary level, could then neither report clicks on the icon nor
// say that it restarted, and the icon would be dead or lost.

#include <windows.h>

namespace dm::win {

// Lets message through to window alone. False where the system has no per-window filter (before
// Windows 7, whose filter, where there is one, is not this program's to open for every window) or
// refuses; a refusal is traced.
bool LetThroughFromLowerIntegrity(HWND window, UINT message);

}  // namespace dm::win
