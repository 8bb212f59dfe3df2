#pragma once
// Whether a path names an existing folder, asked of the file system with a deadline.

#include <cstdint>
#include <string>

namespace dm {

enum class FolderState : std::uint8_t {
  Folder,     // an existing folder
  NotFolder,  // missing, or a file
  Unknown,    // the answer did not come in time, or the network could not say
};

class FolderCheck {
 public:
  virtual ~FolderCheck() = default;
  // path is UTF-8. Returns within a bounded time whatever the file system does.
  virtual FolderState Check(const std::string& path) = 0;
};

}  // namespace dm
