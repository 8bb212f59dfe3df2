#include "store/folder_list.h"

#include <algorithm>
#include <utility>

namespace dm {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool DisplayOrderLess(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(LowerAscii(a[i]));
    const auto y = static_cast<unsigned char>(LowerAscii(b[i]));
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

bool SameFolder(std::string_view a, std::string_view b) {
  const auto bare = [](std::string_view path) {
    return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
  };
  return bare(a) == bare(b);
}

FolderList::FolderList(std::vector<std::string> stored) : folders_(std::move(stored)) {
  if (folders_.size() > kMaxFolders) folders_.resize(kMaxFolders);
}

void FolderList::SortForDisplay() {
  std::stable_sort(folders_.begin(), folders_.end(),
                   [](const std::string& a, const std::string& b) { return DisplayOrderLess(a, b); });
}

bool FolderList::Holds(std::string_view folder) const {
  return std::any_of(folders_.begin(), folders_.end(),
                     [folder](const std::string& held) { return SameFolder(held, folder); });
}

AddOutcome FolderList::Add(std::string folder) {
  if (folder.empty()) return {AddResult::NoPath};
  if (folder.back() != '\\') folder.push_back('\\');
  if (std::find(folders_.begin(), folders_.end(), folder) != folders_.end()) return {AddResult::Duplicate};
  if (Full()) return {AddResult::Full};
  const auto place =
      std::upper_bound(folders_.begin(), folders_.end(), folder,
                       [](const std::string& a, const std::string& b) { return DisplayOrderLess(a, b); });
  const auto index = static_cast<std::size_t>(place - folders_.begin());
  folders_.insert(place, std::move(folder));
  return {AddResult::Added, index};
}

bool FolderList::Remove(std::size_t index) {
  if (index >= folders_.size()) return false;
  folders_.erase(folders_.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

}  // namespace dm
