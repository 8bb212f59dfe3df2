#pragma once
// The program behind a window: its rights against this program's, and whether it is this
// program or the notification area its icon sits in.

#include <windows.h>

#include "platform/target_program.h"

namespace dm::win {

class Win32TargetProgram : public TargetProgram {
 public:
  // Compares the integrity levels of the two processes' tokens. A program whose token may not be
  // looked at counts as elevated; where the system has no integrity levels, nothing is.
  bool RunsElevated(WindowHandle window) override;
  bool IsOwnOrItsIcon(WindowHandle window) override;
};

// Whether window belongs to the notification area where a click on the icon lands: the taskbar's
// notification area or its overflow box, or, when its process is shellProcessId (the taskbar's),
// the overflow flyout of Windows 11.
bool IsIconArea(HWND window, DWORD shellProcessId);

}  // namespace dm::win
