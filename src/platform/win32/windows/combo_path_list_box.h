#pragma once
// cboPaths as the editor's PathListBox: a sorted drop-down list combo box (CBS_SORT), whose order
// is the system's alphabetical order without regard to letter case.

#include <windows.h>

#include <string>

#include "store/path_list_box.h"

namespace dm::win {

class ComboPathListBox final : public PathListBox {
 public:
  explicit ComboPathListBox(HWND combo) : combo_(combo) {}

  int Count() const override;
  std::string Text(int index) const override;
  int Add(const std::string& text) override;
  void Remove(int index) override;
  int Selected() const override;
  void Select(int index) override;

 private:
  HWND combo_;  // owned by the editor window
};

}  // namespace dm::win
