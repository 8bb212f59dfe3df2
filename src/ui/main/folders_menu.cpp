#include "ui/main/folders_menu.h"

namespace dm {

FoldersMenu::FoldersMenu() { entries_.push_back({std::string(kHeading), false}); }

bool FoldersMenu::AddMenuItem(const std::uint8_t& pos, const std::string& dest) {
  if (pos != entries_.size()) return false;
  entries_.push_back({dest, false});
  if (pos > 0) entries_.back().enabled = true;
  return true;
}

bool FoldersMenu::DeleteMenuItem(const std::uint8_t& pos) {
  if (pos == 0 || pos != HighestIndex()) return false;
  entries_.pop_back();
  return true;
}

void FoldersMenu::SetCaption(std::size_t index, const std::string& caption) {
  if (index == 0 || index >= entries_.size()) return;
  entries_[index].caption = caption;
}

}  // namespace dm
