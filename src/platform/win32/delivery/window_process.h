#pragma once
// The program behind a window: its rights against this program's, and whether it is this
// program or the notification area its icon sits in.

#include "platform/window_process.h"

namespace dm::win {

class Win32WindowProcess : public WindowProcess {
 public:
  // Compares the integrity levels of the two processes' tokens. A program whose token may not be
  // looked at counts as elevated; where the system has no integrity levels, nothing is.
  bool RunsElevated(WindowHandle window) override;
  bool IsOwnOrItsIcon(WindowHandle window) override;
};

}  // namespace dm::win
