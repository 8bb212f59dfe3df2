#pragma once
// The window tree of the desktop as the window search and the delivery see it.

#include <cstdint>
#include <functional>
#include <string>

namespace dm {

// A window handle at its full width; 0 means no window.
using WindowHandle = std::uintptr_t;

class WindowTree {
 public:
  virtual ~WindowTree() = default;

  virtual WindowHandle Desktop() = 0;
  // The first child in Z-order, 0 for none.
  virtual WindowHandle FirstChild(WindowHandle window) = 0;
  // The next sibling in Z-order, 0 at the end of the chain.
  virtual WindowHandle NextSibling(WindowHandle window) = 0;
  // The title (UTF-8) as read into a buffer of bufferChars characters, so it holds at most
  // bufferChars - 1 characters. Reading never waits for the window's owner.
  virtual std::string Text(WindowHandle window, int bufferChars) = 0;
  // The class name (UTF-8), read the same way.
  virtual std::string ClassName(WindowHandle window, int bufferChars) = 0;

  virtual bool IsVisible(WindowHandle window) = 0;
  virtual bool IsEnabled(WindowHandle window) = 0;
  virtual bool IsIconic(WindowHandle window) = 0;
  // Restores a window to its last size and position without activating it.
  virtual void ShowNoActivate(WindowHandle window) = 0;
  // Whether the window is shown and not minimised, waiting a little for a restore under way to
  // finish; false when it is not by then.
  virtual bool WaitUntilShown(WindowHandle window) { return IsVisible(window) && !IsIconic(window); }
  // Waits a little, while a navigation under way may still change it, until the window's title
  // satisfies wanted; the title read last (with up to kTitleChars - 1 characters).
  virtual std::string WaitForTitle(WindowHandle window,
                                   const std::function<bool(const std::string&)>& wanted) {
    static_cast<void>(wanted);
    return Text(window, kTitleChars);
  }
  static constexpr int kTitleChars = 1024;
  // The control identifier of a child window (0 for none).
  virtual int ControlId(WindowHandle window) = 0;
  // Whether the system keeps a visible window out of sight (on another virtual desktop, or a
  // suspended app's frame).
  virtual bool IsCloaked(WindowHandle window) = 0;
  // Whether the handle still names a window.
  virtual bool Exists(WindowHandle window) = 0;
  // The top-level window that holds window (window itself when it is top-level).
  virtual WindowHandle TopLevelOf(WindowHandle window) = 0;
  // The window that owns a top-level window (a dialog's owner), 0 for none.
  virtual WindowHandle OwnerOf(WindowHandle window) = 0;
};

}  // namespace dm
