#pragma once
// What the delivery needs to know about the program behind a window.

#include "platform/window_tree.h"

namespace dm {

class TargetProgram {
 public:
  virtual ~TargetProgram() = default;
  // Whether the window's program runs with more rights than this one, so that the system would
  // silently drop the keys sent to it. A program that refuses to tell counts as such.
  virtual bool RunsElevated(WindowHandle window) = 0;
  // Whether the window is this program's own or the notification area that shows its icon:
  // a click on the icon brings one of them to the front.
  virtual bool IsOwnOrItsIcon(WindowHandle window) = 0;
};

}  // namespace dm
