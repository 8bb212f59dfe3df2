#pragma once
// The system clipboard, saved whole (every format it holds) and put back.

#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/win32/unique_handle.h"

namespace dm::win {

class Win32Clipboard : public Clipboard {
 public:
  // Creates the hidden message-only window that owns what this object puts on the clipboard.
  Win32Clipboard();

  // Copies every format: memory formats byte for byte, bitmaps, metafiles and palettes as
  // private copies. Formats whose data cannot be copied (owner-drawn display, private handle
  // ranges) are left out. Fails when the clipboard stays busy or its owner is hung.
  std::unique_ptr<ClipboardSnapshot> Save() override;
  bool SetText(const std::string& text) override;
  bool Restore(const ClipboardSnapshot& snapshot) override;

 private:
  UniqueWindow owner_;
};

}  // namespace dm::win
