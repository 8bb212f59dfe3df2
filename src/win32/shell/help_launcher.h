#pragma once
// Opens the program's help page at a topic: Dashmarks.html beside the program, or else the page
// built into the program, written to the temporary folder. A page that cannot be opened beeps.

#include <windows.h>

namespace dm::win {

void OpenHelpTopic(HWND owner, int topic);

}  // namespace dm::win
