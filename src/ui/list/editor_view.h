#pragma once
// What the editor's behaviour needs from its window: repaint control of the path list while it
// fills, a turn of the message loop, and the Add and Delete buttons' enabled state.

namespace dm {

class EditorView {
 public:
  virtual ~EditorView() = default;
  // Marks the whole list as painted, so that an addition does not repaint it.
  virtual void ValidateList() = 0;
  // Marks the whole list as needing a repaint, without erasing its background.
  virtual void InvalidateList() = 0;
  virtual void ProcessPendingMessages() = 0;
  virtual void EnableAdd(bool enabled) = 0;
  virtual void EnableDelete(bool enabled) = 0;
};

}  // namespace dm
