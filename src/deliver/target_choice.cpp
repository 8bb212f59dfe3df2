#include "deliver/target_choice.h"

#include <algorithm>
#include <string>

namespace dm {
namespace {

// A dialog's whole tree is looked at; a tree larger than this is not a file dialog.
constexpr std::size_t kMaxControls = 4000;
constexpr int kClassBufferChars = 64;
constexpr int kTitleBufferChars = 255;

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

using Part = DialogPartsRecord::Part;
using PartKind = DialogPartsRecord::Kind;

bool Holds(const Part& outer, const Part& inner) {
  return outer.subtreeStart <= inner.place && inner.place < outer.place;
}

// Whether part lies in a FloatNotifySink of a dialog that has the item dialog's
// DUIViewWndClassName. The sink need not lie inside that view: once the dialog has moved to another
// folder, it may hold its name box elsewhere.
bool InItemDialogSink(const std::vector<Part>& parts, const Part& part) {
  const auto is = [](PartKind kind) { return [kind](const Part& p) { return p.kind == kind; }; };
  return std::any_of(parts.begin(), parts.end(), is(PartKind::ItemView)) &&
         std::any_of(parts.begin(), parts.end(), [&](const Part& sink) {
           return sink.kind == PartKind::FloatingSink && Holds(sink, part);
         });
}

// The name box among the parts of one dialog's subtree of that many windows, when they make it a
// file dialog.
WindowHandle NameBoxAmong(WindowTree& tree, const std::vector<Part>& parts, std::size_t windows) {
  if (windows > kMaxControls) return 0;
  WindowHandle comboNameBox = 0;
  WindowHandle editNameBox = 0;
  WindowHandle saveNameBox = 0;
  bool shellView = false;
  bool fileList = false;
  bool folderList = false;
  // The class is already known: a control's identifier and visibility are asked for only where
  // they can matter (each a round trip to another process's window).
  for (const Part& part : parts) {
    if (part.kind == PartKind::ShellView) {
      shellView = true;
      continue;
    }
    if (part.kind == PartKind::ItemView || part.kind == PartKind::FloatingSink) continue;
    const int id = tree.ControlId(part.window);
    if (part.kind == PartKind::ListBox) {
      fileList = fileList || id == kFileListId;
      folderList = folderList || id == kFolderListId;
      continue;
    }
    WindowHandle* slot = nullptr;
    if (id == kFileNameComboId) slot = &comboNameBox;
    if (id == kFileNameEditId && part.kind == PartKind::Edit) slot = &editNameBox;
    if (id == kSaveNameEditId && part.kind == PartKind::Edit && InItemDialogSink(parts, part))
      slot = &saveNameBox;
    if (slot != nullptr && *slot == 0 && tree.IsVisible(part.window)) *slot = part.window;
  }
  if (saveNameBox != 0) return saveNameBox;
  const WindowHandle box = comboNameBox != 0 ? comboNameBox : editNameBox;
  if (box == 0) return 0;
  if (!shellView && !(fileList && folderList)) return 0;
  return EditOf(tree, box);
}

std::size_t TabCount(WindowTree& tree, WindowHandle frame) {
  std::size_t tabs = 0;
  std::size_t seen = 0;
  for (WindowHandle child = tree.FirstChild(frame); child != 0 && seen < kMaxControls;
       child = tree.NextSibling(child), ++seen) {
    if (tree.ClassName(child, kClassBufferChars) == kTabClass) ++tabs;
  }
  return tabs;
}

// Shown, taking input, and on the virtual desktop the user sees.
bool CanTakeInput(WindowTree& tree, WindowHandle window) {
  return tree.IsVisible(window) && tree.IsEnabled(window) && !tree.IsCloaked(tree.TopLevelOf(window));
}

}  // namespace

void DialogPartsRecord::Passed(WindowHandle window, const std::string& className, std::size_t subtreeStart,
                               std::size_t place) {
  if (className == kDialogClass) dialogs_.push_back({window, subtreeStart, place});
  std::optional<Kind> kind;
  if (className == "SHELLDLL_DefView") kind = Kind::ShellView;
  if (className == "ListBox") kind = Kind::ListBox;
  if (className == "Edit") kind = Kind::Edit;
  if (className == "ComboBox" || className == "ComboBoxEx32") kind = Kind::Combo;
  if (className == "DUIViewWndClassName") kind = Kind::ItemView;
  if (className == "FloatNotifySink") kind = Kind::FloatingSink;
  if (kind) parts_.push_back({place, subtreeStart, window, *kind});
}

std::optional<DialogPartsRecord::Subtree> DialogPartsRecord::SubtreeOf(WindowHandle dialog) const {
  const auto it = std::find_if(dialogs_.begin(), dialogs_.end(),
                               [dialog](const Dialog& d) { return d.window == dialog; });
  if (it == dialogs_.end()) return std::nullopt;
  // The parts are kept in the order of the walk, so the subtree's lie together.
  const auto first = std::lower_bound(parts_.begin(), parts_.end(), it->subtreeStart,
                                      [](const Part& part, std::size_t place) { return part.place < place; });
  Subtree subtree;
  subtree.windows = it->place - it->subtreeStart;
  for (auto part = first; part != parts_.end() && part->place < it->place; ++part)
    subtree.parts.push_back(*part);
  return subtree;
}

WindowHandle FindFileNameBox(WindowTree& tree, WindowHandle dialog) {
  DialogPartsRecord parts;
  std::vector<WindowHandle> nested;
  WindowSearch search(tree);
  search.CollectWindows(nested, dialog, kDialogClass, &parts);
  return NameBoxAmong(tree, parts.Parts(), search.Passed());
}

FileDialogTarget ChooseFileDialog(WindowTree& tree, const std::vector<WindowHandle>& found,
                                  const DialogPartsRecord& parts) {
  for (std::size_t i = 1; i < found.size(); ++i) {
    const WindowHandle h = found[i];
    const std::optional<DialogPartsRecord::Subtree> subtree = parts.SubtreeOf(h);
    if (!subtree || !CanTakeInput(tree, h)) continue;
    if (const WindowHandle box = NameBoxAmong(tree, subtree->parts, subtree->windows); box != 0)
      return {h, box};
  }
  return {};
}

ExplorerTarget ChooseExplorer(WindowSearch& search, WindowTree& tree, std::vector<WindowHandle>& found) {
  for (const ExplorerClass& explorer : kExplorerClasses) {
    if (search.CollectWindows(found, 0, explorer.className) == 0) continue;
    if (const WindowHandle window = ChooseExplorerWindow(tree, found); window != 0)
      return {window, explorer.kind};
  }
  return {};
}

WindowHandle FindBelowChain(WindowTree& tree, WindowHandle root, const std::vector<std::string_view>& chain,
                            std::string_view leaf) {
  struct Step {
    WindowHandle window;
    std::size_t matched;  // how much of the chain lies above window
  };
  std::vector<Step> pending{{tree.FirstChild(root), 0}};
  std::size_t seen = 0;
  while (!pending.empty() && seen < kMaxControls) {
    const Step step = pending.back();
    pending.pop_back();
    if (step.window == 0) continue;
    ++seen;
    pending.push_back({tree.NextSibling(step.window), step.matched});
    const std::string className = tree.ClassName(step.window, kClassBufferChars);
    if (step.matched == chain.size() && className == leaf) return step.window;
    const bool next = step.matched < chain.size() && className == chain[step.matched];
    pending.push_back({tree.FirstChild(step.window), step.matched + (next ? 1 : 0)});
  }
  return 0;
}

WindowHandle FindAddressBox(WindowTree& tree, WindowHandle frame, ExplorerKind kind) {
  // Whatever classic windows a folder window with the XAML navigation bar may still hold, its
  // address keys open the XAML box, which no Win32 call can read back.
  if (kind == ExplorerKind::FolderWindow && HasXamlNavigationBar(tree, frame)) return 0;
  std::vector<std::string_view> chain;
  if (kind == ExplorerKind::FolderWindow) chain = {"WorkerW", "ReBarWindow32", "Address Band Root"};
  if (kind == ExplorerKind::WineExplorer) chain = {"ReBarWindow32"};
  if (chain.empty()) return 0;
  const WindowHandle combo = FindBelowChain(tree, frame, chain, "ComboBoxEx32");
  if (combo == 0) return 0;
  const WindowHandle edit = EditOf(tree, combo);
  return edit != combo && tree.ClassName(edit, kClassBufferChars) == "Edit" ? edit : 0;
}

WindowHandle ShownTabOf(WindowTree& tree, WindowHandle frame) {
  // The tab in front is the first in Z-order, whether the others are hidden or lie behind it
  // shown; one that is not visible is no tab the user sees.
  std::size_t seen = 0;
  for (WindowHandle child = tree.FirstChild(frame); child != 0 && seen < kMaxControls;
       child = tree.NextSibling(child), ++seen) {
    if (tree.ClassName(child, kClassBufferChars) != kTabClass) continue;
    return tree.IsVisible(child) ? child : 0;
  }
  return 0;
}

bool HasXamlNavigationBar(WindowTree& tree, WindowHandle frame) {
  std::size_t seen = 0;
  for (WindowHandle child = tree.FirstChild(frame); child != 0 && seen < kMaxControls;
       child = tree.NextSibling(child), ++seen) {
    if (tree.ClassName(child, kClassBufferChars) == kXamlIslandClass) return true;
  }
  return false;
}

std::optional<WindowHandle> ChooseVisibleTab(WindowTree& tree, WindowHandle frame,
                                             const std::vector<WindowHandle>& tabs) {
  const WindowHandle shown = ShownTabOf(tree, frame);
  if (shown != 0 && std::find(tabs.begin(), tabs.end(), shown) != tabs.end()) return shown;
  // A single listed browser that names no tab is the window's only one, unless the window shows
  // tabs the browser cannot be matched to.
  if (tabs.size() != 1 || tabs.front() != 0) return std::nullopt;
  const std::size_t count = TabCount(tree, frame);
  if (count == 0 || (count == 1 && shown != 0)) return WindowHandle{0};
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
  if (className == kDialogClass && CanTakeInput(tree, window)) {
    if (const WindowHandle box = FindFileNameBox(tree, window); box != 0) target.dialog = {window, box};
  }
  for (const ExplorerClass& explorer : kExplorerClasses) {
    if (className == explorer.className) target.explorer = {ChooseExplorerWindow(tree, found), explorer.kind};
  }
  return target;
}

}  // namespace dm
