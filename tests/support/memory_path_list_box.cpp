#include "support/memory_path_list_box.h"

#include <algorithm>
#include <cctype>

namespace dm::test {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string MemoryPathListBox::Text(int index) const {
  if (index < 0 || index >= Count()) return {};
  return lines_[static_cast<std::size_t>(index)];
}

int MemoryPathListBox::Add(const std::string& text) {
  const auto place = std::lower_bound(lines_.begin(), lines_.end(), text, LessIgnoringCase);
  const int index = static_cast<int>(place - lines_.begin());
  lines_.insert(place, text);
  if (selected_ >= index) ++selected_;
  return index;
}

void MemoryPathListBox::Remove(int index) {
  if (index < 0 || index >= Count()) return;
  lines_.erase(lines_.begin() + index);
  // A system list loses its selection when the selected line goes and shifts it otherwise.
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
}

void MemoryPathListBox::Select(int index) { selected_ = (index >= 0 && index < Count()) ? index : -1; }

}  // namespace dm::test
