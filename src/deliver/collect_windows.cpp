#include "deliver/collect_windows.h"

#include "deliver/wildcard_pattern.h"

namespace dm {

int WindowSearch::CollectWindows(std::vector<WindowHandle>& list, WindowHandle start,
                                 std::string_view titlePattern, std::string_view classPattern) {
  if (walkDepth_ == 0) {
    walkCount_ = 0;
    list.assign(1, 0);
    if (start == 0) start = tree_.Desktop();
  }
  ++walkDepth_;
  for (WindowHandle h = tree_.FirstChild(start); h != 0; h = tree_.NextSibling(h)) {
    CollectWindows(list, h, titlePattern, classPattern);
    // The class is the cheaper test and rules out almost every window, so the title is read
    // only for windows of a matching class; the outcome is the same as testing title first.
    if (!MatchesPattern(tree_.ClassName(h, kTextBufferChars), classPattern)) continue;
    const std::string title = tree_.Text(h, kTextBufferChars);
    if (title.empty() || !MatchesPattern(title, titlePattern)) continue;
    ++walkCount_;
    list.resize(static_cast<std::size_t>(walkCount_) + 1);
    list[static_cast<std::size_t>(walkCount_)] = h;
  }
  --walkDepth_;
  return walkCount_;
}

}  // namespace dm
