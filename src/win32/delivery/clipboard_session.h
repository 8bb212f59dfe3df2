#pragma once
// The clipboard held open for one operation. Another program may hold it for a moment, so
// opening is retried a bounded number of times.

#include <windows.h>

namespace dm::win {

class ClipboardSession {
 public:
  static constexpr int kAttempts = 20;
  static constexpr DWORD kPauseMs = 25;

  explicit ClipboardSession(HWND owner);
  ~ClipboardSession();
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;

  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace dm::win
