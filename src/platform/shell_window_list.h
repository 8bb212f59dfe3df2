#pragma once
// The shell's own list of its open folder windows, through which a folder window is told to show
// another folder without any key being typed.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window_tree.h"

namespace dm {

// How a question to the shell's list ended.
enum class ShellAnswer : std::uint8_t {
  Answered,
  Unavailable,  // the list cannot be had at all, or the browser asked for has left it
  Refused,      // the browser would not navigate
  NotShown,     // the browser took the folder, but does not show it afterwards
  TimedOut,     // the list did not answer before its deadline (a busy or hung shell)
};

struct ShellTabs {
  ShellAnswer answer = ShellAnswer::Unavailable;
  // For each listed browser whose window is the frame asked for, the window of its tab (0 where
  // the browser does not name one).
  std::vector<WindowHandle> tabs;
};

// A folder the shell's list says a browser shows.
struct ShellFolder {
  WindowHandle frame = 0;  // the browser's top-level window
  WindowHandle tab = 0;    // the window of its tab, 0 where it names none
  std::string url;         // the address it reports (UTF-8): a file URL for a file-system folder
};

struct ShellFolders {
  ShellAnswer answer = ShellAnswer::Unavailable;
  std::vector<ShellFolder> folders;  // in the list's order
};

class ShellWindowList {
 public:
  virtual ~ShellWindowList() = default;
  // The tabs the shell lists for the folder window frame (a top-level window); Answered with no
  // tabs when the shell does not list frame.
  virtual ShellTabs TabsOf(WindowHandle frame) = 0;
  // Tells the browser of frame whose tab is tab (0: the one that names none) to show folder
  // (UTF-8), and checks that it then does.
  virtual ShellAnswer Navigate(WindowHandle frame, WindowHandle tab, const std::string& folder) = 0;
  // Every browser of the list with the address it shows, answered within deadlineMs (a shorter
  // bound than the other questions have, for a menu that must not wait); TimedOut past it.
  virtual ShellFolders Folders(unsigned deadlineMs) = 0;
};

}  // namespace dm
