#pragma once
// Whether a folder exists: on a disk of this machine asked at once, elsewhere on a worker thread so
// that a network share that does not answer holds the delivery up for a moment at most.

#include <windows.h>

#include <memory>
#include <string>

#include "platform/folder_check.h"
#include "win32/base/file_system_redirection.h"
#include "win32/base/unique_handle.h"

namespace dm::win {

// What a worker was asked and found; shared, since the worker may outlive the wait.
struct FolderLookup {
  std::wstring path;
  DWORD attributes = INVALID_FILE_ATTRIBUTES;
  DWORD error = ERROR_SUCCESS;
  RedirectionCalls redirection;  // turned off around the look, on the thread that looks
};

// The folder is looked at with the file-system redirection of a 32-bit process on 64-bit Windows
// turned off, so that a folder under System32 is the one the user chose, not its SysWOW64 namesake.
class Win32FolderCheck : public FolderCheck {
 public:
  explicit Win32FolderCheck(const RedirectionCalls& redirection = SystemRedirectionCalls())
      : redirection_(redirection) {}

  // Tells where the folder lies and, off this machine's disks, starts the worker now (starting a
  // thread is a good part of the check's time).
  void Prepare(const std::string& path) override;
  // Unknown when the answer takes longer than the deadline (the worker then finishes on its own)
  // or when the file system cannot say (an unreachable server, a refused look).
  FolderState Check(const std::string& path) override;

 private:
  struct Worker {
    std::shared_ptr<FolderLookup> lookup;
    UniqueKernelHandle thread;  // none for a folder on a disk of this machine
    ULONGLONG started = 0;
    bool local = false;
  };
  Worker Start(const std::wstring& path) const;

  RedirectionCalls redirection_;
  Worker prepared_;
};

}  // namespace dm::win
