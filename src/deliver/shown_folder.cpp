#include "deliver/shown_folder.h"

#include <vector>

#include "deliver/file_url.h"
#include "deliver/folder_rules.h"

namespace dm {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The last name of a folder path: "C:\a\b\" gives "b"; nothing for a drive's root or a share's,
// which show under names of their own.
std::optional<std::string_view> LastName(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '\\') folder.remove_suffix(1);
  const std::size_t slash = folder.rfind('\\');
  if (slash == std::string_view::npos || slash + 1 == folder.size()) return std::nullopt;
  if (folder.substr(0, 2) == "\\\\" && folder.find('\\', 2) == slash) return std::nullopt;
  return folder.substr(slash + 1);
}

// A path the text shows in full, or nothing.
std::optional<std::string> FullPath(std::optional<std::string> path) {
  if (!path || !IsFolderPathText(*path)) return std::nullopt;
  return path;
}

std::optional<std::string> FolderInBreadcrumbs(WindowTree& tree, WindowHandle root) {
  const std::optional<FolderDisplay> display = FindFolderDisplay(tree, root, false);
  if (!display) return std::nullopt;
  return FullPath(PathInAddressText(tree.Text(display->window, WindowTree::kTitleChars)));
}

std::optional<std::string> FolderInCurrentFolderText(WindowTree& tree, WindowHandle dialog) {
  for (WindowHandle child = tree.FirstChild(dialog); child != 0; child = tree.NextSibling(child)) {
    if (tree.ControlId(child) == kCurrentFolderTextId && tree.ClassName(child, 16) == "Static")
      return FullPath(PathInAddressText(tree.Text(child, WindowTree::kTitleChars)));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FolderShownBy(WindowTree& tree, const std::vector<OpenFolder>& open,
                                         const WindowTarget& target) {
  if (target.dialog.dialog != 0) {
    const WindowHandle root = tree.TopLevelOf(target.dialog.dialog);
    if (auto shown = FolderInBreadcrumbs(tree, root)) return shown;
    return FolderInCurrentFolderText(tree, target.dialog.dialog);
  }
  if (target.explorer.window == 0 || target.explorer.kind != ExplorerKind::FolderWindow) return std::nullopt;
  const WindowHandle frame = tree.TopLevelOf(target.explorer.window);
  std::vector<WindowHandle> tabs;
  for (const OpenFolder& folder : open) {
    if (folder.frame == frame) tabs.push_back(folder.tab);
  }
  if (const std::optional<WindowHandle> tab = ChooseVisibleTab(tree, frame, tabs)) {
    for (const OpenFolder& folder : open) {
      if (folder.frame == frame && folder.tab == *tab) return folder.path;
    }
  }
  return FolderInBreadcrumbs(tree, frame);
}

std::optional<FolderDisplay> FindFolderDisplay(WindowTree& tree, WindowHandle root, bool wineExplorer) {
  if (wineExplorer) return FolderDisplay{root, FolderDisplay::Form::Name};
  const WindowHandle crumbs =
      FindBelowChain(tree, root, {"Address Band Root", "Breadcrumb Parent"}, "ToolbarWindow32");
  if (crumbs == 0 || !tree.IsVisible(crumbs)) return std::nullopt;
  return FolderDisplay{crumbs, FolderDisplay::Form::Address};
}

std::optional<std::string> PathInAddressText(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool drive =
        i + 2 < text.size() && IsAsciiLetter(text[i]) && text[i + 1] == ':' && text[i + 2] == '\\';
    const bool share = text.substr(i, 2) == "\\\\";
    // A path begins the text or follows a blank: "Address: C:\x".
    if ((drive || share) && (i == 0 || text[i - 1] == ' ')) {
      const std::string_view path = text.substr(i);
      // A path cut short to fit the bar is no path.
      if (path.find("...") != std::string_view::npos || path.find("\u2026") != std::string_view::npos)
        return std::nullopt;
      return std::string(path);
    }
  }
  return std::nullopt;
}

bool DisplayNamesFolder(FolderDisplay::Form form, std::string_view text, std::string_view folder) {
  if (form == FolderDisplay::Form::Address) {
    const std::optional<std::string> path = PathInAddressText(text);
    return path && SameFolderPath(*path, folder);
  }
  const std::optional<std::string_view> name = LastName(folder);
  // Compared as paths are: letters without case.
  return name && SameFolderPath(text, *name);
}

bool DisplayFollowed(WindowTree& tree, const FolderDisplay& display, const std::string& before,
                     const std::string& folder) {
  // A title cannot name a root: whatever it shows, nothing can be told from it.
  if (display.form == FolderDisplay::Form::Name && !LastName(folder)) return true;
  const auto moved = [&](const std::string& shown) {
    return DisplayNamesFolder(display.form, shown, folder) || shown != before;
  };
  return moved(tree.WaitForTitle(display.window, moved));
}

}  // namespace dm
