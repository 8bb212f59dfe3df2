#pragma once
// An in-memory cboPaths: lines kept in alphabetical order without regard to letter case, a new
// line placed before the lines it equals, as a sorted system list places it.

#include <string>
#include <vector>

#include "store/path_list_box.h"

namespace dm::test {

class MemoryPathListBox : public PathListBox {
 public:
  MemoryPathListBox() = default;
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Text(int index) const override;
  int Add(const std::string& text) override;
  void Remove(int index) override;
  int Selected() const override { return selected_; }
  void Select(int index) override;

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  int selected_ = -1;
};

}  // namespace dm::test
