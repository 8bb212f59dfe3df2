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
};

}  // namespace dm
