#include "support/fake_desktop.h"

#include <algorithm>
#include <utility>

#include "text/utf8.h"

namespace dm::test {
namespace {

std::string ModifierPrefix(std::uint8_t modifiers) {
  std::string prefix;
  if (modifiers & modifier::kCtrl) prefix += "Ctrl+";
  if (modifiers & modifier::kAlt) prefix += "Alt+";
  if (modifiers & modifier::kShift) prefix += "Shift+";
  return prefix;
}

std::string KeyName(NamedKey key) {
  static const char* const kNames[] = {"ENTER",  "BS",     "TAB",   "ESC",      "LEFT",     "RIGHT",
                                       "UP",     "DOWN",   "HOME",  "END",      "PGUP",     "PGDN",
                                       "INSERT", "DELETE", "BREAK", "CAPSLOCK", "NUMLOCK",  "SCROLLLOCK",
                                       "PRTSC",  "HELP",   "ADD",   "SUBTRACT", "MULTIPLY", "DIVIDE"};
  const auto index = static_cast<std::size_t>(key);
  if (key >= NamedKey::F1) return "F" + std::to_string(index - static_cast<std::size_t>(NamedKey::F1) + 1);
  return kNames[index];
}

// The first bufferChars - 1 characters of text.
std::string Truncated(const std::string& text, int bufferChars) {
  const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
  if (ascii && bufferChars > 0) return text.substr(0, static_cast<std::size_t>(bufferChars) - 1);
  const std::u32string chars = DecodeUtf8(text).value_or(std::u32string());
  std::string out;
  for (std::size_t i = 0; i < chars.size() && i + 1 < static_cast<std::size_t>(bufferChars); ++i) {
    AppendUtf8(out, chars[i]);
  }
  return out;
}

class FakeSnapshot : public ClipboardSnapshot {
 public:
  explicit FakeSnapshot(FakeDesktop::Formats formats) : formats(std::move(formats)) {}
  FakeDesktop::Formats formats;
};

}  // namespace

std::string DescribeKeys(const KeySequence& keys) {
  std::string out;
  bool inRun = false;
  for (const KeyPress& press : keys) {
    const bool plain = !press.named && press.modifiers == modifier::kNone;
    if (plain && inRun) {
      AppendUtf8(out, press.character);
      continue;
    }
    if (inRun) out += '"';
    inRun = false;
    if (!out.empty()) out += ' ';
    if (plain) {
      out += '"';
      AppendUtf8(out, press.character);
      inRun = true;
      continue;
    }
    out += ModifierPrefix(press.modifiers);
    if (press.named) {
      out += "{" + KeyName(press.key) + "}";
    } else {
      AppendUtf8(out, press.character);
    }
  }
  if (inRun) out += '"';
  return out;
}

FakeDesktop::FakeDesktop() { windows_[kDesktop] = Window{}; }

WindowHandle FakeDesktop::Add(WindowHandle parent, std::string className, std::string title) {
  if (parent == 0) parent = kDesktop;
  const WindowHandle h = next_;
  next_ += 4;
  Window window;
  window.parent = parent;
  window.className = std::move(className);
  window.title = std::move(title);
  auto& siblings = windows_.at(parent).children;
  window.siblingIndex = siblings.size();
  windows_[h] = std::move(window);
  siblings.push_back(h);
  return h;
}

WindowHandle FakeDesktop::AddControl(WindowHandle parent, int controlId, std::string className) {
  const WindowHandle h = Add(parent, std::move(className), "");
  At(h).controlId = controlId;
  return h;
}

WindowHandle FakeDesktop::AddFileDialog(std::string title) {
  const WindowHandle dialog = Add(0, "#32770", std::move(title));
  AddControl(dialog, 0x442, "Static");
  AddControl(AddControl(dialog, 0x47C, "ComboBox"), 0x3E9, "Edit");
  AddControl(dialog, 0x461, "SHELLDLL_DefView");
  return dialog;
}

WindowHandle FakeDesktop::AddFolderWindow(std::string title) {
  const WindowHandle frame = Add(0, "CabinetWClass", std::move(title));
  const WindowHandle rebar = Add(Add(frame, "WorkerW", ""), "ReBarWindow32", "");
  const WindowHandle band = Add(rebar, "Address Band Root", "");
  Add(Add(band, "Breadcrumb Parent", ""), "ToolbarWindow32", "Address: C:\\Start");
  const WindowHandle combo = Add(Add(band, "msctls_progress32", ""), "ComboBoxEx32", "");
  const WindowHandle edit = Add(Add(combo, "ComboBox", ""), "Edit", "");
  At(combo).visible = false;  // the breadcrumbs show until the box is opened
  At(frame).addressBox = edit;
  Add(frame, "ShellTabWindowClass", "Shown tab");
  At(Add(frame, "ShellTabWindowClass", "Hidden tab")).visible = false;
  return frame;
}

WindowHandle FakeDesktop::AddXamlFolderWindow(std::string title, bool classicRemnant) {
  const WindowHandle frame = Add(0, "CabinetWClass", std::move(title));
  Add(frame, "TITLE_BAR_SCAFFOLDING_WINDOW_CLASS", "");
  Add(Add(frame, "Microsoft.UI.Content.DesktopChildSiteBridge", ""), "Windows.UI.Input.InputSite.WindowClass",
      "");
  if (classicRemnant) {
    const WindowHandle worker = Add(frame, "WorkerW", "");
    At(worker).visible = false;
    const WindowHandle band = Add(Add(worker, "ReBarWindow32", ""), "Address Band Root", "");
    const WindowHandle combo = Add(Add(band, "msctls_progress32", ""), "ComboBoxEx32", "");
    At(frame).addressBox = Add(Add(combo, "ComboBox", ""), "Edit", "");
  }
  Add(frame, "ShellTabWindowClass", "Shown tab");
  At(Add(frame, "ShellTabWindowClass", "Hidden tab")).visible = false;
  return frame;
}

WindowHandle FakeDesktop::AddBreadcrumbs(WindowHandle root, const std::string& folder) {
  const WindowHandle band = Add(Add(Add(root, "WorkerW", ""), "ReBarWindow32", ""), "Address Band Root", "");
  return Add(Add(Add(band, "msctls_progress32", ""), "Breadcrumb Parent", ""), "ToolbarWindow32",
             "Address: " + folder);
}

void FakeDesktop::ShowFolder(WindowHandle root, const std::string& folder) {
  Window& window = At(root);
  if (window.className == "ExplorerWClass") {
    const std::size_t slash = folder.find_last_of('\\', folder.size() > 1 ? folder.size() - 2 : 0);
    std::string name = slash == std::string::npos ? folder : folder.substr(slash + 1);
    if (!name.empty() && name.back() == '\\') name.pop_back();
    window.title = name;
  }
  std::vector<WindowHandle> pending{root};
  while (!pending.empty()) {
    const WindowHandle h = pending.back();
    pending.pop_back();
    const Window& w = At(h);
    if (w.className == "ToolbarWindow32" && At(w.parent).className == "Breadcrumb Parent")
      At(h).title = "Address: " + folder;
    pending.insert(pending.end(), w.children.begin(), w.children.end());
  }
}

WindowHandle FakeDesktop::AddWineExplorer(std::string title) {
  const WindowHandle frame = Add(0, "ExplorerWClass", std::move(title));
  const WindowHandle combo = Add(Add(frame, "ReBarWindow32", ""), "ComboBoxEx32", "");
  At(frame).addressBox = Add(Add(combo, "ComboBox", ""), "Edit", "");
  Add(frame, "ExplorerBrowserControl", "");
  return frame;
}

std::vector<WindowHandle> FakeDesktop::TabsIn(WindowHandle frame) {
  std::vector<WindowHandle> tabs;
  for (const WindowHandle child : At(frame).children) {
    if (At(child).className == "ShellTabWindowClass") tabs.push_back(child);
  }
  return tabs;
}

WindowHandle FakeDesktop::NameBoxOf(WindowHandle dialog) {
  for (WindowHandle child : At(dialog).children) {
    const Window& w = At(child);
    if (w.controlId == 0x47C || w.controlId == 0x480) return w.children.empty() ? child : w.children.front();
    if (const WindowHandle inner = NameBoxOf(child); inner != 0) return inner;
  }
  return 0;
}

std::string FakeDesktop::Name(WindowHandle h) const {
  if (h == 0) return "none";
  const Window& window = windows_.at(h);
  return window.title.empty() ? "#" + std::to_string(h) : window.title;
}

WindowHandle FakeDesktop::FirstChild(WindowHandle window) {
  const auto& children = At(window).children;
  return children.empty() ? 0 : children.front();
}

WindowHandle FakeDesktop::NextSibling(WindowHandle window) {
  const Window& w = At(window);
  const auto& siblings = At(w.parent).children;
  // Where Add put it, unless a test has reordered the siblings since.
  auto it = w.siblingIndex < siblings.size() && siblings[w.siblingIndex] == window
                ? siblings.begin() + static_cast<std::ptrdiff_t>(w.siblingIndex)
                : std::find(siblings.begin(), siblings.end(), window);
  return it + 1 == siblings.end() ? 0 : *(it + 1);
}

std::string FakeDesktop::Text(WindowHandle window, int bufferChars) {
  ++titleReads;
  return Truncated(At(window).title, bufferChars);
}

std::string FakeDesktop::ClassName(WindowHandle window, int bufferChars) {
  return Truncated(At(window).className, bufferChars);
}

void FakeDesktop::ShowNoActivate(WindowHandle window) {
  log.push_back("show-no-activate " + Name(window));
  if (!restoreLate) At(window).iconic = false;
}

bool FakeDesktop::WaitUntilShown(WindowHandle window) {
  log.push_back("wait shown " + Name(window));
  if (restoreLate) At(window).iconic = false;
  return At(window).visible && !At(window).iconic;
}

bool FakeDesktop::Exists(WindowHandle window) {
  for (; window != 0 && window != kDesktop; window = At(window).parent) {
    if (At(window).destroyed) return false;
  }
  return true;
}

WindowHandle FakeDesktop::TopLevelOf(WindowHandle window) {
  while (At(window).parent != kDesktop) window = At(window).parent;
  return window;
}

bool FakeDesktop::Send(const KeySequence& keys) {
  log.push_back("keys " + DescribeKeys(keys) + " -> " + Name(foreground_));
  for (const KeyPress& press : keys) Type(press);
  if (focus_ != 0 && !autocomplete.empty() && !keys.empty() && !keys.front().named) {
    At(focus_).title += std::exchange(autocomplete, "");
    selected_ = false;
  }
  if (++sends_ == stealForegroundAfterSend) foreground_ = intruder;
  return true;
}

void FakeDesktop::Type(const KeyPress& press) {
  if (foreground_ == 0 || !Exists(foreground_)) return;
  if (press.named && press.key == NamedKey::Enter) {
    if (At(foreground_).closeOnEnter) At(foreground_).destroyed = true;
    if (focus_ != 0 && TopLevelOf(focus_) == foreground_ && !enterIgnored)
      ShowFolder(foreground_, At(focus_).title);
    return;
  }
  if (At(foreground_).addressBox != 0 &&
      std::find(addressKeys.begin(), addressKeys.end(), DescribeKeys({press})) != addressKeys.end()) {
    focus_ = At(foreground_).addressBox;
    selected_ = true;
    if (addressBoxStaysHidden) At(focus_).visible = false;
    return;
  }
  if (press.modifiers == modifier::kAlt && !press.named && press.character == U'n') {
    focus_ = NameBoxOf(foreground_);
    selected_ = true;
    return;
  }
  if (focus_ == 0 || TopLevelOf(focus_) != foreground_) return;
  std::string typed;
  if (press.modifiers == modifier::kCtrl && !press.named && press.character == U'v') {
    const auto text = clipboard.find("text");
    if (text != clipboard.end()) typed = text->second;
  } else if (press.modifiers == modifier::kNone && !press.named) {
    AppendUtf8(typed, press.character);
  } else {
    return;
  }
  std::string& boxText = At(focus_).title;
  if (selected_) boxText.clear();
  selected_ = false;
  boxText += typed;
}

bool FakeDesktop::Focus(WindowHandle control) {
  log.push_back("focus name box of " + Name(TopLevelOf(control)));
  if (focusByHandleRefused) return false;
  focus_ = control;
  selected_ = true;
  return true;
}

std::optional<std::string> FakeDesktop::ReadText(WindowHandle control) {
  if (textTimesOut || !Exists(control)) return std::nullopt;
  return At(control).title;
}

bool FakeDesktop::WriteText(WindowHandle control, const std::string& text) {
  log.push_back("write name box " + text);
  if (textTimesOut || !Exists(control)) return false;
  At(control).title = writeGarbles ? text + "?" : text;
  return true;
}

InputMethodState FakeDesktop::CloseInputMethod(WindowHandle control) {
  if (!inputMethodOpen) return InputMethodState::NotOpen;
  if (inputMethodStaysOpen) return InputMethodState::StaysOpen;
  inputMethodOpen = false;
  log.push_back("input method closed for " + Name(TopLevelOf(control)));
  return InputMethodState::Closed;
}

void FakeDesktop::ReopenInputMethod(WindowHandle control) {
  inputMethodOpen = true;
  log.push_back("input method opened for " + Name(TopLevelOf(control)));
}

FolderState FakeDesktop::Check(const std::string& path) {
  const auto it = folderStates.find(path);
  return it == folderStates.end() ? FolderState::Folder : it->second;
}

bool FakeDesktop::WaitUntilProcessed(WindowHandle target) {
  log.push_back("wait " + Name(target));
  return !waitTimesOut;
}

ClipboardSaveResult FakeDesktop::Save() {
  log.push_back("clipboard save");
  if (clipboardBusy) return {ClipboardSaveStatus::Busy, nullptr};
  if (clipboardTooLarge) return {ClipboardSaveStatus::TooLarge, nullptr};
  return {ClipboardSaveStatus::Saved, std::make_unique<FakeSnapshot>(clipboard)};
}

bool FakeDesktop::SetText(const std::string& text) {
  log.push_back("clipboard set " + text);
  if (clipboardBusy) return false;
  clipboard = {{"text", text}};
  return true;
}

bool FakeDesktop::Restore(const ClipboardSnapshot& snapshot) {
  log.push_back("clipboard restore");
  if (clipboardBusy) return false;
  clipboard = static_cast<const FakeSnapshot&>(snapshot).formats;
  return true;
}

bool FakeDesktop::Activate(WindowHandle window) {
  log.push_back("activate " + Name(window));
  if (refuseActivation || !At(window).visible || !Exists(window)) return false;
  foreground_ = window;
  if (frontLostAfterActivation > 0) {
    --frontLostAfterActivation;
    foreground_ = activationThief;
  }
  return true;
}

WindowHandle FakeDesktop::SettledForeground() {
  if ((foreground_ == 0 || foreground_ == kDesktop) && frontSettlesOn != 0) foreground_ = frontSettlesOn;
  return foreground_;
}

ShellTabs FakeDesktop::TabsOf(WindowHandle frame) {
  log.push_back("shell tabs of " + Name(frame));
  if (shellHangs) return {ShellAnswer::TimedOut, {}};
  if (shellUnavailable) return {ShellAnswer::Unavailable, {}};
  const auto it = shellTabs.find(frame);
  return {ShellAnswer::Answered, it == shellTabs.end() ? std::vector<WindowHandle>{} : it->second};
}

ShellAnswer FakeDesktop::Navigate(WindowHandle frame, WindowHandle tab, const std::string& folder) {
  log.push_back("shell navigate " + Name(frame) + " tab " + Name(tab) + " to " + folder);
  if (navigateHangs) return ShellAnswer::TimedOut;
  if (navigateNotShown) return ShellAnswer::NotShown;
  return navigateRefused ? ShellAnswer::Refused : ShellAnswer::Answered;
}

ShellFolders FakeDesktop::Folders(unsigned deadlineMs) {
  log.push_back("shell folders within " + std::to_string(deadlineMs) + " ms");
  if (shellHangs) return {ShellAnswer::TimedOut, {}};
  if (shellUnavailable) return {ShellAnswer::Unavailable, {}};
  ShellFolders listed{ShellAnswer::Answered, {}};
  for (const auto& [frame, tabs] : shellTabs) {
    for (const WindowHandle tab : tabs) {
      const auto url = shellUrls.find(tab);
      listed.folders.push_back({frame, tab, url == shellUrls.end() ? "file:///C:/Start" : url->second});
    }
  }
  return listed;
}

}  // namespace dm::test
