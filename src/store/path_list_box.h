#pragma once
// The editor's list of paths (cboPaths): a sorted, selection-only list. The Win32 layer backs it
// with a real sorted combo box; tests use an in-memory list with the same ordering rule.

#include <string>

namespace dm {

class PathListBox {
 public:
  virtual ~PathListBox() = default;
  virtual int Count() const = 0;
  virtual std::string Text(int index) const = 0;
  // Adds text at its sorted place and returns the position the list reports for it.
  virtual int Add(const std::string& text) = 0;
  virtual void Remove(int index) = 0;
  // The selected line, or -1 when none is selected.
  virtual int Selected() const = 0;
  virtual void Select(int index) = 0;
};

}  // namespace dm
