#pragma once
// The system clipboard, saved whole (every format it holds) and put back.

#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/win32/base/unique_handle.h"

namespace dm::win {

class Win32Clipboard : public Clipboard {
 public:
  // Copies every format: memory formats byte for byte, bitmaps, metafiles and palettes as
  // private copies. Formats whose data cannot be copied (owner-drawn display, private handle
  // ranges) are left out. Fails when the clipboard stays busy or its owner, which the paste will
  // have to wait for, does not answer within two seconds.
  std::unique_ptr<ClipboardSnapshot> Save() override;
  bool SetText(const std::string& text) override;
  bool Restore(const ClipboardSnapshot& snapshot) override;

 private:
  // The hidden message-only window that owns what this object puts on the clipboard, created at
  // the first use: the first window of a class the common controls provide loads them, which a
  // program that never pastes need not pay for at start-up.
  HWND Owner();

  UniqueWindow owner_;
};

}  // namespace dm::win
