#pragma once
// Whether a folder exists: on a disk of this machine asked at once, elsewhere on a worker thread so
// that a network share that does not answer holds the delivery up for a moment at most.

#include <windows.h>

#include <memory>
#include <string>

#include "platform/folder_check.h"
#include "platform/win32/base/unique_handle.h"

namespace dm::win {

// What a worker was asked and found; shared, since the worker may outlive the wait.
struct FolderLookup {
  std::wstring path;
  DWORD attributes = INVALID_FILE_ATTRIBUTES;
  DWORD error = ERROR_SUCCESS;
};

class Win32FolderCheck : public FolderCheck {
 public:
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
  static Worker Start(const std::wstring& path);

  Worker prepared_;
};

}  // namespace dm::win
