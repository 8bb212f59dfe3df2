#pragma once
// What the editor's behaviour needs from its window: the lines of its folder list and the
// selection among them, and the Add and Delete buttons' enabled state.

#include <cstddef>
#include <optional>
#include <string>

namespace dm {

class EditorView {
 public:
  virtual ~EditorView() = default;
  virtual void InsertLine(std::size_t index, const std::string& text) = 0;
  virtual void RemoveLine(std::size_t index) = 0;
  // The selected line, nothing when none is selected.
  virtual std::optional<std::size_t> SelectedLine() const = 0;
  virtual void SelectLine(std::size_t index) = 0;
  virtual void EnableAdd(bool enabled) = 0;
  virtual void EnableDelete(bool enabled) = 0;
};

}  // namespace dm
