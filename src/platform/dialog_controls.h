#pragma once
// The controls of another program's dialog: the keyboard focus and the text of its name box.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/window_tree.h"

namespace dm {

// What CloseInputMethod found and did.
enum class InputMethodState : std::uint8_t {
  NotOpen,    // typed characters reach the box as they are
  Closed,     // it was open and is closed now
  StaysOpen,  // it is open and would not close: typed characters would go into its composition
};

class DialogControls {
 public:
  virtual ~DialogControls() = default;
  // Gives control the keyboard focus inside its dialog, with its whole text selected, without
  // any key; true once the focus is confirmed there.
  virtual bool Focus(WindowHandle control) = 0;
  // Whether control (or the edit field inside it) holds the keyboard focus.
  virtual bool HasFocus(WindowHandle control) = 0;
  // The control's text (UTF-8); nothing when its program did not answer in time.
  virtual std::optional<std::string> ReadText(WindowHandle control) = 0;
  // Replaces the control's whole text as an edit by the user would, so that the dialog holding it
  // learns of the change; false when its program did not answer in time.
  virtual bool WriteText(WindowHandle control, const std::string& text) = 0;
  // Closes the input method that takes the keys of control when it is open (a Chinese, Japanese
  // or Korean one composing), so that typed characters reach the box as they are.
  virtual InputMethodState CloseInputMethod(WindowHandle control) = 0;
  // Opens it again, after CloseInputMethod closed it.
  virtual void ReopenInputMethod(WindowHandle control) = 0;
};

}  // namespace dm
