#pragma once
// Keystrokes synthesised with SendInput. Chords and named keys go as virtual keys; plain
// characters go as Unicode characters, so the keyboard layout does not matter.

#include <windows.h>

#include <vector>

#include "platform/keyboard.h"

namespace dm::win {

class SendInputKeyboard : public Keyboard {
 public:
  bool Send(const KeySequence& keys) override;
  // Shares the target thread's input state first, then sends, then waits as below.
  bool SendAndWait(const KeySequence& keys, WindowHandle target) override;
  // Sends a key-down of an unassigned virtual key behind the earlier keys and waits until the
  // target's thread has taken it off its queue (the key reads down in the target's input state,
  // shared for the moment) and is back in its message loop; then the same for the key-up. Gives
  // up after a few seconds, or at once when the target is hung or gone.
  bool WaitUntilProcessed(WindowHandle target) override;

 private:
  class SharedInputState;
  bool AwaitProcessed(HWND hwnd, DWORD thread, const SharedInputState& state);
};

// The input records for keys, preceded by key-ups for the modifier keys held at the moment.
std::vector<INPUT> BuildKeyInputs(const KeySequence& keys);

// The virtual key used as the marker behind a waiting send.
inline constexpr WORD kSentinelKey = 0x97;  // unassigned

}  // namespace dm::win
