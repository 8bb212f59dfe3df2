#pragma once
// Where a delivery's target shows the folder it is in, as text read without asking its program,
// so that a delivery can tell afterwards whether the folder arrived.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "deliver/open_folders.h"
#include "deliver/target_choice.h"
#include "platform/window_tree.h"

namespace dm {

struct FolderDisplay {
  enum class Form : std::uint8_t {
    Address,  // the breadcrumb bar of an item dialog or a folder window: "Address: C:\…", the
              // prefix in the system's language, a display name where the folder has one
    Name,     // the title of Wine's Explorer window: the folder's own name
  };
  WindowHandle window = 0;
  Form form = Form::Address;
};

// The visible breadcrumb bar of root (WorkerW … Address Band Root … Breadcrumb Parent ›
// ToolbarWindow32), or for Wine's Explorer window its title; nothing where root shows its folder
// nowhere that can be read.
std::optional<FolderDisplay> FindFolderDisplay(WindowTree& tree, WindowHandle root, bool wineExplorer);

// The full path in a breadcrumb's text ("Address: C:\x" gives "C:\x", whatever the prefix), or
// nothing when the text holds none (a display name such as "This PC", or a path cut short).
std::optional<std::string> PathInAddressText(std::string_view text);

// Whether text, as the display shows it, names folder (a full path, UTF-8).
bool DisplayNamesFolder(FolderDisplay::Form form, std::string_view text, std::string_view folder);

// After the Enter that should have moved the target to folder: waits a little for the display to
// name folder or show anything else than before (a folder with a display name of its own). False
// only when it goes on showing what it showed before and that is not folder: the Enter moved
// nothing.
bool DisplayFollowed(WindowTree& tree, const FolderDisplay& display, const std::string& before,
                     const std::string& folder);

// The static control of the dialogs before the explorer style that shows the current folder.
inline constexpr int kCurrentFolderTextId = 0x440;

// The full path of the folder target shows, where it shows one: a folder window's tab the user
// sees through the shell's list (open, as FindOpenFolders gave it) or else its breadcrumbs; a
// file dialog's breadcrumbs, or the current-folder text of the dialogs before the explorer style.
// Nothing where it shows only a display name (This PC, a library, Wine's Explorer window and
// dialogs) or a path cut short.
std::optional<std::string> FolderShownBy(WindowTree& tree, const std::vector<OpenFolder>& open,
                                         const WindowTarget& target);

}  // namespace dm
