#pragma once
// The shell's own list of its open folder windows, through which a folder window is told to show
// another folder without any key being typed.

#include <optional>
#include <string>
#include <vector>

#include "platform/window_tree.h"

namespace dm {

class ShellWindowList {
 public:
  virtual ~ShellWindowList() = default;
  // The tabs the shell lists for the folder window frame (a top-level window): for each browser
  // whose window is frame, the window of its tab (0 where the browser does not name one). Empty
  // when the shell does not list frame; nothing when its list cannot be had at all.
  virtual std::optional<std::vector<WindowHandle>> TabsOf(WindowHandle frame) = 0;
  // Tells the browser of frame whose tab is tab (0: the one that names none) to show folder
  // (UTF-8); false when it is no longer listed or refuses.
  virtual bool Navigate(WindowHandle frame, WindowHandle tab, const std::string& folder) = 0;
};

}  // namespace dm
