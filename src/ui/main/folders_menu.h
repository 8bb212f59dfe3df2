#pragma once
// The Folders pop-up menu (mnuFolders) of the main window: element 0 of the mnuPath family is the
// disabled heading, elements 1..n are the stored paths. Its captions are the program's only copy
// of the path list while it runs; the Win32 layer renders this model whenever it pops up.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dm {

struct MenuEntry {
  std::string caption;
  bool enabled = false;
};

class FoldersMenu {
 public:
  static constexpr std::string_view kCaption = "Folders";
  static constexpr std::string_view kHeading = "Available Dashmarks...";

  FoldersMenu();

  // Creates element pos at the end of the menu, captioned dest, and enables it.
  // pos must be one more than the highest element; any other pos is refused.
  bool AddMenuItem(const std::uint8_t& pos, const std::string& dest);
  // Removes element pos, which must be the highest element and at least 1.
  bool DeleteMenuItem(const std::uint8_t& pos);

  // The highest element index in use (0 when only the heading exists).
  std::size_t HighestIndex() const { return entries_.size() - 1; }
  const MenuEntry& mnuPath(std::size_t index) const { return entries_.at(index); }
  const std::string& Caption(std::size_t index) const { return entries_.at(index).caption; }
  // Re-captions a path element; the heading is never re-captioned.
  void SetCaption(std::size_t index, const std::string& caption);

 private:
  std::vector<MenuEntry> entries_;
};

}  // namespace dm
