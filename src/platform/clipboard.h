#pragma once
// The system clipboard, saved and restored whole around a paste.

#include <memory>
#include <string>

namespace dm {

// Everything the clipboard held at one moment, in every format. Opaque to its users.
class ClipboardSnapshot {
 public:
  virtual ~ClipboardSnapshot() = default;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Copies the whole content; nullptr when the clipboard could not be read.
  virtual std::unique_ptr<ClipboardSnapshot> Save() = 0;
  // Replaces the content with this text (UTF-8).
  virtual bool SetText(const std::string& text) = 0;
  // Replaces the content with what the snapshot holds.
  virtual bool Restore(const ClipboardSnapshot& snapshot) = 0;
};

}  // namespace dm
