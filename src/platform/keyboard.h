#pragma once
// Synthesised keyboard input for the foreground window.

#include "platform/key_sequence.h"
#include "platform/window_tree.h"

namespace dm {

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  // Queues the presses for the foreground window, each key-down paired with its key-up.
  // False when the system refused any of them.
  virtual bool Send(const KeySequence& keys) = 0;
  // Returns once the thread of target has taken every key sent so far off its queue and
  // processed it; false when that did not happen before a deadline of a few seconds (a hung or
  // closing target), or the target is gone.
  virtual bool WaitUntilProcessed(WindowHandle target) = 0;
  // Send, then WaitUntilProcessed; a keyboard that has to prepare the wait before the keys leave
  // does it here.
  virtual bool SendAndWait(const KeySequence& keys, WindowHandle target) {
    return Send(keys) && WaitUntilProcessed(target);
  }
};

}  // namespace dm
