#include "deliver/collect_windows.h"

namespace dm {

int WindowSearch::CollectWindows(std::vector<WindowHandle>& list, WindowHandle start,
                                 std::string_view titlePattern, std::string_view classPattern,
                                 WalkObserver* observer) {
  if (walkDepth_ == 0) {
    walkCount_ = 0;
    observer_ = observer;
    passed_ = 0;
    list.assign(1, 0);
    if (start == 0) start = tree_.Desktop();
  }
  // The patterns are read once per search, not once per window.
  CollectChildren(list, start, WildcardPattern(titlePattern), WildcardPattern(classPattern));
  return walkCount_;
}

void WindowSearch::CollectChildren(std::vector<WindowHandle>& list, WindowHandle start,
                                   const WildcardPattern& title, const WildcardPattern& className) {
  ++walkDepth_;
  for (WindowHandle h = tree_.FirstChild(start); h != 0; h = tree_.NextSibling(h)) {
    const std::size_t subtreeStart = passed_;
    CollectChildren(list, h, title, className);
    const std::string name = tree_.ClassName(h, kTextBufferChars);
    if (observer_ != nullptr) observer_->Passed(h, name, subtreeStart, passed_);
    ++passed_;
    // The class is the cheaper test and rules out almost every window, so the title is read
    // only for windows of a matching class; the outcome is the same as testing title first.
    if (!className.Matches(name)) continue;
    const std::string text = tree_.Text(h, kTextBufferChars);
    if (text.empty() || !title.Matches(text)) continue;
    ++walkCount_;
    list.resize(static_cast<std::size_t>(walkCount_) + 1);
    list[static_cast<std::size_t>(walkCount_)] = h;
  }
  --walkDepth_;
}

}  // namespace dm
