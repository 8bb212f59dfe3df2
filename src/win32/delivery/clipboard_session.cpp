#include "win32/delivery/clipboard_session.h"

namespace dm::win {

ClipboardSession::ClipboardSession(HWND owner) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (OpenClipboard(owner)) {
      open_ = true;
      return;
    }
    Sleep(kPauseMs);
  }
}

ClipboardSession::~ClipboardSession() {
  if (open_) CloseClipboard();
}

}  // namespace dm::win
