#include "deliver/window_search.h"

namespace dm {

int WindowSearch::CollectWindows(std::vector<WindowHandle>& list, WindowHandle start,
                                 std::string_view className, WalkObserver* observer) {
  if (walkDepth_ == 0) {
    walkCount_ = 0;
    observer_ = observer;
    passed_ = 0;
    list.assign(1, 0);
    if (start == 0) start = tree_.Desktop();
  }
  CollectChildren(list, start, className);
  return walkCount_;
}

void WindowSearch::CollectChildren(std::vector<WindowHandle>& list, WindowHandle start,
                                   std::string_view className) {
  ++walkDepth_;
  for (WindowHandle h = tree_.FirstChild(start); h != 0; h = tree_.NextSibling(h)) {
    const std::size_t subtreeStart = passed_;
    CollectChildren(list, h, className);
    const std::string name = tree_.ClassName(h, kTextBufferChars);
    if (observer_ != nullptr) observer_->Passed(h, name, subtreeStart, passed_);
    ++passed_;
    // The class rules out almost every window, so the title is read only for windows of the class.
    if (name != className) continue;
    if (tree_.Text(h, kTextBufferChars).empty()) continue;
    ++walkCount_;
    list.resize(static_cast<std::size_t>(walkCount_) + 1);
    list[static_cast<std::size_t>(walkCount_)] = h;
  }
  --walkDepth_;
}

}  // namespace dm
