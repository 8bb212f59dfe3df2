#include "win32/delivery/busy_cursor.h"

#include <windows.h>

namespace dm::win {

void Win32BusyCursor::ShowHourglass() { SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }

void Win32BusyCursor::ShowDefault() { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }

}  // namespace dm::win
