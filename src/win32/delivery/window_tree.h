#pragma once
// The system's window tree. Text is read without sending messages, so a hung window cannot
// stall the search.

#include "platform/window_tree.h"

namespace dm::win {

class Win32WindowTree : public WindowTree {
 public:
  WindowHandle Desktop() override;
  WindowHandle FirstChild(WindowHandle window) override;
  WindowHandle NextSibling(WindowHandle window) override;
  std::string Text(WindowHandle window, int bufferChars) override;
  std::string ClassName(WindowHandle window, int bufferChars) override;
  bool IsVisible(WindowHandle window) override;
  bool IsEnabled(WindowHandle window) override;
  bool IsIconic(WindowHandle window) override;
  // Another thread's window is restored asynchronously and awaited for a few seconds at most;
  // IsIconic tells afterwards whether the restore took place.
  void ShowNoActivate(WindowHandle window) override;
  // Polls for as long as ShowNoActivate waits at most, and not after the window is gone or hung.
  bool WaitUntilShown(WindowHandle window) override;
  // Polls for a few seconds at most (a navigation may still be reading a slow folder), and not
  // after the window is gone or its program hung.
  std::string WaitForTitle(WindowHandle window,
                           const std::function<bool(const std::string&)>& wanted) override;
  int ControlId(WindowHandle window) override;
  // Asks the desktop window manager, bound on first use; not cloaked where there is none.
  bool IsCloaked(WindowHandle window) override;
  bool Exists(WindowHandle window) override;
  WindowHandle TopLevelOf(WindowHandle window) override;
  WindowHandle OwnerOf(WindowHandle window) override;
};

}  // namespace dm::win
