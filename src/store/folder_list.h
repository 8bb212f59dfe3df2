#pragma once
// The user's folder list: the program's one copy of it while it runs. The Folders menu is drawn
// from it, the editor changes it and shows it, and the settings store loads it and saves it, so
// the order the editor shows is the order saved.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dm {

// Why an add left the list as it was, or that it did not.
enum class AddResult { Added, NoPath, Duplicate, Full };

struct AddOutcome {
  AddResult result = AddResult::NoPath;
  std::size_t index = 0;  // where the added folder now is (Added only)
};

// The display order: alphabetical without regard to letter case (ASCII letters), as a sorted
// system list shows paths; paths that differ only in letter case in byte order.
bool DisplayOrderLess(std::string_view a, std::string_view b);

// Whether two paths name the same folder as the list tells them apart: letter case counts, and a
// path without a trailing backslash is the same path with one (an add appends it).
bool SameFolder(std::string_view a, std::string_view b);

class FolderList {
 public:
  static constexpr std::size_t kMaxFolders = 255;

  FolderList() = default;
  // The list as it was stored, in its stored order: a hand-edited store's empty entries and
  // repeats are kept as they are. Entries beyond kMaxFolders are dropped.
  explicit FolderList(std::vector<std::string> stored);

  std::size_t Count() const { return folders_.size(); }
  bool Empty() const { return folders_.empty(); }
  bool Full() const { return folders_.size() >= kMaxFolders; }
  const std::string& At(std::size_t index) const { return folders_.at(index); }
  const std::vector<std::string>& Folders() const { return folders_; }
  // Whether the list holds folder, as SameFolder tells.
  bool Holds(std::string_view folder) const;

  // Puts the list in display order (the order it keeps from then on: adds take their place in it).
  void SortForDisplay();

  // Adds a folder the user chose: no path for empty text; a backslash is appended when the path
  // does not end with one; the same path (same letter case) is a duplicate; a full list refuses.
  // An added folder goes to its place in display order.
  AddOutcome Add(std::string folder);

  // Removes the folder at index; false when there is none there.
  bool Remove(std::size_t index);

 private:
  std::vector<std::string> folders_;
};

}  // namespace dm
