#include "win32/base/file_system_redirection.h"

#include <utility>

#include "win32/base/bindings.h"
#include "win32/base/trace.h"

namespace dm::win {

RedirectionCalls SystemRedirectionCalls() {
  return {bindings::Wow64DisableWow64FsRedirection, bindings::Wow64RevertWow64FsRedirection};
}

FileSystemRedirectionOff::FileSystemRedirectionOff(const RedirectionCalls& calls) : calls_(calls) {
  // The look that follows reads its own error: turning redirection off leaves none behind.
  const DWORD error = GetLastError();
  off_ = calls_.disable != nullptr && calls_.disable(&previous_) != FALSE;
  SetLastError(error);
}

FileSystemRedirectionOff::~FileSystemRedirectionOff() { Revert(); }

FileSystemRedirectionOff::FileSystemRedirectionOff(FileSystemRedirectionOff&& other) noexcept
    : calls_(other.calls_),
      previous_(std::exchange(other.previous_, nullptr)),
      off_(std::exchange(other.off_, false)) {}

FileSystemRedirectionOff& FileSystemRedirectionOff::operator=(FileSystemRedirectionOff&& other) noexcept {
  if (this != &other) {
    Revert();
    calls_ = other.calls_;
    previous_ = std::exchange(other.previous_, nullptr);
    off_ = std::exchange(other.off_, false);
  }
  return *this;
}

void FileSystemRedirectionOff::Revert() {
  if (!off_) return;
  off_ = false;
  // Restoring the thread's redirection must not change the error its caller is about to read.
  const DWORD error = GetLastError();
  if (calls_.revert == nullptr || calls_.revert(previous_) == FALSE) {
    Trace("this thread's file-system redirection could not be turned back on");
  }
  SetLastError(error);
}

}  // namespace dm::win
