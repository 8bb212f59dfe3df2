#include "store/recent_folders.h"

#include <algorithm>

#include "deliver/folder_rules.h"

namespace dm {

namespace {

auto FindFolder(std::vector<std::string>& folders, const std::string& folder) {
  return std::find_if(folders.begin(), folders.end(),
                      [&folder](const std::string& held) { return SameFolder(held, folder); });
}

}  // namespace

RecentFolders::RecentFolders(const std::vector<std::string>& stored) {
  for (const std::string& folder : stored) {
    if (folders_.size() == kMaxFolders) break;
    if (!IsFolderPathText(folder) || FindFolder(folders_, folder) != folders_.end()) continue;
    folders_.push_back(folder);
  }
}

bool RecentFolders::Delivered(const std::string& folder) {
  if (!IsFolderPathText(folder)) return false;
  const auto held = FindFolder(folders_, folder);
  if (held != folders_.end() && held == folders_.begin() && *held == folder) return false;
  if (held != folders_.end()) {
    folders_.erase(held);
  } else if (folders_.size() == kMaxFolders) {
    folders_.pop_back();
  }
  folders_.insert(folders_.begin(), folder);
  return true;
}

}  // namespace dm
