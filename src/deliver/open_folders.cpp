#include "deliver/open_folders.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <unordered_map>

#include "deliver/file_url.h"
#include "deliver/folder_rules.h"

namespace dm {
namespace {

// More windows than a desktop holds; the rest count as the furthest back.
constexpr std::size_t kMaxWindows = 10000;

// The place of each child of parent in Z-order, front-most 0.
std::unordered_map<WindowHandle, std::size_t> PlacesOfChildren(WindowTree& tree, WindowHandle parent) {
  std::unordered_map<WindowHandle, std::size_t> places;
  for (WindowHandle child = tree.FirstChild(parent); child != 0 && places.size() < kMaxWindows;
       child = tree.NextSibling(child)) {
    places.emplace(child, places.size());
  }
  return places;
}

std::size_t PlaceIn(const std::unordered_map<WindowHandle, std::size_t>& places, WindowHandle window) {
  const auto found = places.find(window);
  return found == places.end() ? kMaxWindows : found->second;
}

}  // namespace

std::vector<OpenFolder> FindOpenFolders(WindowTree& tree, ShellWindowList& shell, unsigned deadlineMs) {
  const ShellFolders listed = shell.Folders(deadlineMs);
  if (listed.answer != ShellAnswer::Answered) return {};
  const auto framePlaces = PlacesOfChildren(tree, tree.Desktop());
  struct Ranked {
    OpenFolder folder;
    std::size_t framePlace;
    std::size_t tabPlace;
  };
  std::vector<Ranked> ranked;
  std::unordered_map<WindowHandle, std::unordered_map<WindowHandle, std::size_t>> tabPlaces;
  for (const ShellFolder& browser : listed.folders) {
    const std::size_t framePlace = PlaceIn(framePlaces, browser.frame);
    if (framePlace == kMaxWindows) continue;  // its window has closed since the list was read
    std::optional<std::string> path = FolderPathOfFileUrl(browser.url);
    if (!path || !IsFolderPathText(*path)) continue;
    auto placesInFrame = tabPlaces.find(browser.frame);
    if (placesInFrame == tabPlaces.end())
      placesInFrame = tabPlaces.emplace(browser.frame, PlacesOfChildren(tree, browser.frame)).first;
    ranked.push_back({{std::move(*path), browser.frame, browser.tab},
                      framePlace,
                      PlaceIn(placesInFrame->second, browser.tab)});
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
    return a.framePlace != b.framePlace ? a.framePlace < b.framePlace : a.tabPlace < b.tabPlace;
  });
  std::vector<OpenFolder> folders;
  for (Ranked& r : ranked) {
    const bool again = std::any_of(folders.begin(), folders.end(), [&r](const OpenFolder& f) {
      return f.frame == r.folder.frame && f.tab == r.folder.tab;
    });
    if (!again) folders.push_back(std::move(r.folder));
  }
  return folders;
}

}  // namespace dm
