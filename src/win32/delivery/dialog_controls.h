#pragma once
// The name box of another program's dialog: its focus and its text, asked for by handle, so that
// no access key (which differs from one language to the next) is needed.

#include "platform/dialog_controls.h"

namespace dm::win {

class Win32DialogControls : public DialogControls {
 public:
  // Shares the input state of the control's thread, asks the dialog holding it to move the focus
  // there (WM_NEXTDLGCTL, as a Tab would), selects the whole text and confirms the focus.
  bool Focus(WindowHandle control) override;
  bool HasFocus(WindowHandle control) override;
  // WM_GETTEXT, and EM_SETSEL with EM_REPLACESEL to write; each given up after a second when the
  // program does not answer.
  std::optional<std::string> ReadText(WindowHandle control) override;
  bool WriteText(WindowHandle control, const std::string& text) override;
  // Through the default input-method window of the control's thread (WM_IME_CONTROL), which
  // answers for the input context of the window focused there.
  InputMethodState CloseInputMethod(WindowHandle control) override;
  void ReopenInputMethod(WindowHandle control) override;
};

}  // namespace dm::win
