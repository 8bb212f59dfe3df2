#include "win32/delivery/wait_pointer.h"

#include <windows.h>

namespace dm::win {

void WaitPointer::ShowHourglass() { SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }

void WaitPointer::ShowDefault() { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }

}  // namespace dm::win
