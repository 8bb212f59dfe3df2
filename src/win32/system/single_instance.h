#pragma once
// Tells whether another copy of the program runs in this user session: a named mutex in the
// session's namespace, held for the life of the process.

#include "win32/base/unique_handle.h"

namespace dm::win {

class SingleInstance {
 public:
  SingleInstance();
  bool AnotherCopyRunning() const { return anotherCopy_; }

 private:
  UniqueKernelHandle mutex_;
  bool anotherCopy_ = false;
};

}  // namespace dm::win
