#pragma once
// Bringing a top-level window to the foreground.

#include "platform/window_tree.h"

namespace dm {

class Activation {
 public:
  virtual ~Activation() = default;
  // Makes window the foreground window; true only once the system confirms it is.
  virtual bool Activate(WindowHandle window) = 0;
  // The current foreground window, 0 for none.
  virtual WindowHandle Foreground() = 0;
  // The foreground window once a change in progress has completed: while the front passes from
  // one program to another the system may report none for a moment, so none is asked again for
  // a short while before it is believed.
  virtual WindowHandle SettledForeground() { return Foreground(); }
};

}  // namespace dm
