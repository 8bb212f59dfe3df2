#pragma once
// The search of the window tree for titled windows of one class.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_tree.h"

namespace dm {

// Told of every window a search walks past, each right after its own subtree, so that what the
// search has already read need not be read again.
class WalkObserver {
 public:
  virtual ~WalkObserver() = default;
  // place: the window's place in the walk, from 0; subtreeStart: the place of the first window of
  // its subtree (equal to place for a window without children). The subtree of the window is
  // exactly the windows passed at places subtreeStart to place - 1.
  virtual void Passed(WindowHandle window, const std::string& className, std::size_t subtreeStart,
                      std::size_t place) = 0;
};

class WindowSearch {
 public:
  // Titles and class names are read through buffers of this many characters, so at most one
  // less takes part in a comparison.
  static constexpr int kTextBufferChars = 255;

  explicit WindowSearch(WindowTree& tree) : tree_(tree) {}

  // Lists every descendant of start (0: the desktop), not start itself, whose class name is
  // exactly className and whose title is not empty (a window without one is no dialog or Explorer
  // window the user can be in). The order: siblings in Z-order, each window after its own subtree.
  // The outermost call resets list to the single empty slot 0; matches go to slots 1..n. Returns n.
  // The whole tree is always walked, and every window walked past is told to observer, when there
  // is one.
  int CollectWindows(std::vector<WindowHandle>& list, WindowHandle start, std::string_view className,
                     WalkObserver* observer = nullptr);

  // Calls in progress (0 between searches) and matches of the current or last search.
  int WalkDepth() const { return walkDepth_; }
  int WalkCount() const { return walkCount_; }
  // Windows walked past by the current or last search.
  std::size_t Passed() const { return passed_; }

 private:
  // One level of the walk: the children of start and, before each, its subtree.
  void CollectChildren(std::vector<WindowHandle>& list, WindowHandle start, std::string_view className);

  WindowTree& tree_;
  int walkDepth_ = 0;
  int walkCount_ = 0;
  WalkObserver* observer_ = nullptr;
  std::size_t passed_ = 0;
};

}  // namespace dm
