#pragma once
// Opens the program's help page, Dashmarks.html beside the program, at a topic.

#include <windows.h>

namespace dm::win {

void OpenHelpTopic(HWND owner, int topic);

}  // namespace dm::win
