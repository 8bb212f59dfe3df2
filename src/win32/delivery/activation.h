#pragma once
// Bringing a top-level window to the foreground and confirming that it got there.

#include "platform/activation.h"

namespace dm::win {

class Win32Activation : public Activation {
 public:
  // Refuses a hung window; otherwise asks for the foreground (borrowing the current foreground
  // thread's input state when the plain request is not honoured) and waits a few seconds at most
  // until the system reports target as the foreground window and target has handled activation.
  // Nothing posted to this thread is dispatched meanwhile.
  bool Activate(WindowHandle target) override;
  WindowHandle Foreground() override;
  WindowHandle SettledForeground() override;
};

}  // namespace dm::win
