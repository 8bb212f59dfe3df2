#pragma once
// The folders the user has open in folder windows, as the shell's list reports them.

#include <string>
#include <vector>

#include "platform/shell_window_list.h"
#include "platform/window_tree.h"

namespace dm {

struct OpenFolder {
  std::string path;        // a full file-system path (UTF-8)
  WindowHandle frame = 0;  // the folder window showing it
  WindowHandle tab = 0;    // its tab there, 0 where the shell names none
};

// How long the list may take when a menu waits for it: longer, and the menu shows without it.
inline constexpr unsigned kOpenFoldersDeadlineMs = 250;

// The file-system folders the shell's list says its browsers show: the front-most window's first
// (by the windows' order on screen), within a window its tabs in their order. Browsers that show
// no file-system folder (This PC, a library, a search), whose window is gone, or that the list
// names more than once are left out. Nothing when the list did not answer within deadlineMs.
std::vector<OpenFolder> FindOpenFolders(WindowTree& tree, ShellWindowList& shell, unsigned deadlineMs);

}  // namespace dm
