#pragma once
// This thread's file-system redirection turned off for a while. A 32-bit process on 64-bit Windows
// has its paths under the Windows folder's System32 (and a few others) turned to their 32-bit
// counterparts, so a folder under System32 would be looked for in SysWOW64. While an object of this
// class lives, the thread that made it sees paths as they are written. Redirection is the thread's
// own: the object is made, moved and ended on one thread.

#include <windows.h>

namespace dm::win {

// The two system calls, passed in so that a test can see what is asked of them.
struct RedirectionCalls {
  BOOL (*disable)(void** previous) = nullptr;
  BOOL (*revert)(void* previous) = nullptr;
};

// The late-bound system functions (absent on 32-bit Windows, where they fail at their call).
RedirectionCalls SystemRedirectionCalls();

class FileSystemRedirectionOff {
 public:
  explicit FileSystemRedirectionOff(const RedirectionCalls& calls = SystemRedirectionCalls());
  ~FileSystemRedirectionOff();
  FileSystemRedirectionOff(FileSystemRedirectionOff&& other) noexcept;
  FileSystemRedirectionOff& operator=(FileSystemRedirectionOff&& other) noexcept;
  FileSystemRedirectionOff(const FileSystemRedirectionOff&) = delete;
  FileSystemRedirectionOff& operator=(const FileSystemRedirectionOff&) = delete;

  // Whether this object turned redirection off and still owes its revert: never in a 64-bit
  // process or on 32-bit Windows, which redirect nothing.
  bool IsOff() const { return off_; }

 private:
  void Revert();

  RedirectionCalls calls_;
  void* previous_ = nullptr;
  bool off_ = false;
};

}  // namespace dm::win
