#include "deliver/target_choice.h"

#include <string>

namespace dm {
namespace {

// A dialog's whole tree is looked at; a tree larger than this is not a file dialog.
constexpr int kMaxControls = 4000;
constexpr int kClassBufferChars = 64;
constexpr int kTitleBufferChars = 255;

struct DialogParts {
  WindowHandle comboNameBox = 0;
  WindowHandle editNameBox = 0;
  bool shellView = false;
  bool fileList = false;
  bool folderList = false;
};

bool IsNameBoxClass(const std::string& className) {
  return className == "ComboBoxEx32" || className == "ComboBox" || className == "Edit";
}

// The edit field typed into: the box itself, or the edit inside its combo box.
WindowHandle EditOf(WindowTree& tree, WindowHandle box) {
  for (int depth = 0; depth < 3; ++depth) {
    const std::string className = tree.ClassName(box, kClassBufferChars);
    if (className != "ComboBoxEx32" && className != "ComboBox") return box;
    WindowHandle inner = 0;
    for (WindowHandle child = tree.FirstChild(box); child != 0; child = tree.NextSibling(child)) {
      const std::string childClass = tree.ClassName(child, kClassBufferChars);
      if (childClass == "Edit" || childClass == "ComboBox") {
        inner = child;
        break;
      }
    }
    if (inner == 0) return box;
    box = inner;
  }
  return box;
}

void Collect(WindowTree& tree, WindowHandle dialog, DialogParts& parts) {
  std::vector<WindowHandle> pending{tree.FirstChild(dialog)};
  int seen = 0;
  while (!pending.empty() && seen < kMaxControls) {
    const WindowHandle window = pending.back();
    pending.pop_back();
    if (window == 0) continue;
    ++seen;
    pending.push_back(tree.NextSibling(window));
    pending.push_back(tree.FirstChild(window));
    const std::string className = tree.ClassName(window, kClassBufferChars);
    if (className == "SHELLDLL_DefView") {
      parts.shellView = true;
      continue;
    }
    const int id = tree.ControlId(window);
    if (id == kFileListId && className == "ListBox") parts.fileList = true;
    if (id == kFolderListId && className == "ListBox") parts.folderList = true;
    if (!tree.IsVisible(window)) continue;
    if (id == kFileNameComboId && parts.comboNameBox == 0 && IsNameBoxClass(className)) {
      parts.comboNameBox = window;
    }
    if (id == kFileNameEditId && parts.editNameBox == 0 && className == "Edit") parts.editNameBox = window;
  }
}

}  // namespace

WindowHandle FindFileNameBox(WindowTree& tree, WindowHandle dialog) {
  DialogParts parts;
  Collect(tree, dialog, parts);
  const WindowHandle box = parts.comboNameBox != 0 ? parts.comboNameBox : parts.editNameBox;
  if (box == 0) return 0;
  if (!parts.shellView && !(parts.fileList && parts.folderList)) return 0;
  return EditOf(tree, box);
}

FileDialogTarget ChooseFileDialog(WindowTree& tree, const std::vector<WindowHandle>& found) {
  for (std::size_t i = 1; i < found.size(); ++i) {
    const WindowHandle h = found[i];
    if (!tree.IsVisible(h) || !tree.IsEnabled(h) || tree.IsCloaked(tree.TopLevelOf(h))) continue;
    if (const WindowHandle box = FindFileNameBox(tree, h); box != 0) return {h, box};
  }
  return {};
}

ExplorerTarget ChooseExplorer(WindowSearch& search, WindowTree& tree, std::vector<WindowHandle>& found) {
  for (const ExplorerClass& explorer : kExplorerClasses) {
    if (search.CollectWindows(found, 0, "*", explorer.className) == 0) continue;
    if (const WindowHandle window = ChooseExplorerWindow(tree, found); window != 0)
      return {window, explorer.kind};
  }
  return {};
}

WindowHandle FindAddressBox(WindowTree& tree, WindowHandle frame, ExplorerKind kind) {
  // The windows the address box lies in, outermost first; each may be any depth below the last.
  static constexpr std::array<std::string_view, 3> kFolderWindowChain{"WorkerW", "ReBarWindow32",
                                                                      "Address Band Root"};
  static constexpr std::array<std::string_view, 1> kWineChain{"ReBarWindow32"};
  std::vector<std::string_view> chain;
  if (kind == ExplorerKind::FolderWindow) chain.assign(kFolderWindowChain.begin(), kFolderWindowChain.end());
  if (kind == ExplorerKind::WineExplorer) chain.assign(kWineChain.begin(), kWineChain.end());
  if (chain.empty()) return 0;
  struct Step {
    WindowHandle window;
    std::size_t matched;  // how much of the chain lies above window
  };
  std::vector<Step> pending{{tree.FirstChild(frame), 0}};
  int seen = 0;
  while (!pending.empty() && seen < kMaxControls) {
    const Step step = pending.back();
    pending.pop_back();
    if (step.window == 0) continue;
    ++seen;
    pending.push_back({tree.NextSibling(step.window), step.matched});
    const std::string className = tree.ClassName(step.window, kClassBufferChars);
    if (step.matched == chain.size() && className == "ComboBoxEx32") {
      const WindowHandle edit = EditOf(tree, step.window);
      if (edit != step.window && tree.ClassName(edit, kClassBufferChars) == "Edit") return edit;
      continue;
    }
    const bool next = step.matched < chain.size() && className == chain[step.matched];
    pending.push_back({tree.FirstChild(step.window), step.matched + (next ? 1 : 0)});
  }
  return 0;
}

std::optional<WindowHandle> ChooseVisibleTab(WindowTree& tree, WindowHandle frame,
                                             const std::vector<WindowHandle>& tabs) {
  for (const WindowHandle tab : tabs) {
    if (tab != 0 && tree.Exists(tab) && tree.TopLevelOf(tab) == frame && tree.IsVisible(tab)) return tab;
  }
  if (tabs.size() == 1 && tabs.front() == 0) return WindowHandle{0};
  return std::nullopt;
}

WindowHandle ChooseExplorerWindow(WindowTree& tree, const std::vector<WindowHandle>& found) {
  for (std::size_t i = 1; i < found.size(); ++i) {
    if (tree.IsVisible(found[i]) && !tree.IsCloaked(tree.TopLevelOf(found[i]))) return found[i];
  }
  return 0;
}

WindowTarget TargetOfWindow(WindowTree& tree, WindowHandle window) {
  WindowTarget target;
  if (window == 0 || !tree.Exists(window) || tree.Text(window, kTitleBufferChars).empty()) return target;
  const std::string className = tree.ClassName(window, kClassBufferChars);
  const std::vector<WindowHandle> found{0, window};
  if (className == "#32770") target.dialog = ChooseFileDialog(tree, found);
  for (const ExplorerClass& explorer : kExplorerClasses) {
    if (className == explorer.className) target.explorer = {ChooseExplorerWindow(tree, found), explorer.kind};
  }
  return target;
}

}  // namespace dm
