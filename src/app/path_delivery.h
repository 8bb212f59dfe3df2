#pragma once
// What a chosen Folders menu entry asks of the delivery subsystem.

#include <string>

namespace dm {

class PathDelivery {
 public:
  virtual ~PathDelivery() = default;
  // Puts path into the open file dialog, or else an Explorer window: typed as keystrokes, or
  // pasted through the clipboard when clipboardMode is set. Silent on every failure.
  virtual void DeliverPath(const std::string& path, bool clipboardMode) = 0;
};

}  // namespace dm
