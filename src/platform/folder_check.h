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
  // Starts the look at path ahead of Check(path), so that it runs while the caller does other
  // work; a later Prepare replaces it. Check answers the same with or without it.
  virtual void Prepare(const std::string& path) { static_cast<void>(path); }
  // path is UTF-8. Returns within a bounded time whatever the file system does.
  virtual FolderState Check(const std::string& path) = 0;
};

}  // namespace dm
