#pragma once
// The system clipboard, saved and restored whole around a paste.

#include <memory>
#include <string>

namespace dm {

// Everything the clipboard held at one moment, in every format that could be copied. Opaque to
// its users.
class ClipboardSnapshot {
 public:
  virtual ~ClipboardSnapshot() = default;
};

enum class ClipboardSaveStatus {
  Saved,      // the snapshot holds the content
  Busy,       // the clipboard could not be opened or read: nothing may be put there
  TooLarge,   // the content, or the time its owner takes to render it, is beyond what is kept
  OwnersOwn,  // its owner keeps it for itself (an OLE copy or cut, which taking over would end)
};

struct ClipboardSaveResult {
  ClipboardSaveStatus status = ClipboardSaveStatus::Busy;
  std::unique_ptr<ClipboardSnapshot> snapshot;  // set for Saved alone
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Copies the whole content. A format that cannot be copied is left out, not a reason to fail.
  virtual ClipboardSaveResult Save() = 0;
  // Replaces the content with this text (UTF-8).
  virtual bool SetText(const std::string& text) = 0;
  // Replaces the content with what the snapshot holds.
  virtual bool Restore(const ClipboardSnapshot& snapshot) = 0;
};

}  // namespace dm
