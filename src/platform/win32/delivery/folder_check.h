#pragma once
// Whether a folder exists, asked on a worker thread so that a network share that does not answer
// holds the delivery up for a moment at most.

#include "platform/folder_check.h"

namespace dm::win {

class Win32FolderCheck : public FolderCheck {
 public:
  // Unknown when the answer takes longer than the deadline (the worker then finishes on its own)
  // or when the file system cannot say (an unreachable server, a refused look).
  FolderState Check(const std::string& path) override;
};

}  // namespace dm::win
