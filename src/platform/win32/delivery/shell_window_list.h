#pragma once
// The shell's list of its folder windows (IShellWindows), asked on the program's user-interface
// thread, which joins a single-threaded COM apartment at the first question and stays in it.

#include "platform/shell_window_list.h"
#include "platform/win32/base/com_apartment.h"

namespace dm::win {

class Win32ShellWindowList : public ShellWindowList {
 public:
  // Nothing where COM or the list cannot be had (Wine's list holds no windows at all, so there
  // every window comes back as not listed).
  std::optional<std::vector<WindowHandle>> TabsOf(WindowHandle frame) override;
  // Navigate2 of the browser whose tab is tab, with the folder as its address.
  bool Navigate(WindowHandle frame, WindowHandle tab, const std::string& folder) override;

 private:
  ComApartment apartment_;
};

}  // namespace dm::win
