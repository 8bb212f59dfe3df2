#pragma once
// The folders delivered last, newest first. The Folders menu offers them in its "Recent" submenu,
// less those the folder list holds (they are in the menu already): a folder delivered from the
// list is kept all the same, and shows there once it has left the list.

#include <cstddef>
#include <string>
#include <vector>

#include "store/folder_list.h"

namespace dm {

class RecentFolders {
 public:
  static constexpr std::size_t kMaxFolders = 8;

  RecentFolders() = default;
  // The folders as they were stored, newest first. An entry that is not a folder path a delivery
  // takes (deliver/folder_rules.h), or that names the folder of an entry before it, is left out;
  // beyond kMaxFolders the rest is dropped.
  explicit RecentFolders(const std::vector<std::string>& stored);

  const std::vector<std::string>& Folders() const { return folders_; }
  bool Empty() const { return folders_.empty(); }

  // folder was delivered: it goes to the top, from its earlier place when it had one (as
  // SameFolder tells), and the oldest goes when there are more than kMaxFolders. Text that is no
  // folder path is left out. False when nothing changed.
  bool Delivered(const std::string& folder);

  void Clear() { folders_.clear(); }

 private:
  std::vector<std::string> folders_;
};

}  // namespace dm
