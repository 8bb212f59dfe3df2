#pragma once
// An in-memory desktop for the delivery tests: a window tree, a keyboard, a clipboard with
// several formats, activation and the pointer. Every action that reaches the outside world is
// appended to one ordered log, so a delivery is checked by comparing logs.

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/activation.h"
#include "platform/clipboard.h"
#include "platform/key_sequence.h"
#include "platform/keyboard.h"
#include "platform/pointer.h"
#include "platform/window_tree.h"

namespace dm::test {

// Readable form of a key sequence: presses separated by spaces, modifiers as "Ctrl+", "Alt+",
// "Shift+", named keys in braces, runs of plain characters quoted: Alt+n "C:\x" {ENTER} {BS}
std::string DescribeKeys(const KeySequence& keys);

class FakeDesktop : public WindowTree, public Keyboard, public Clipboard, public Activation, public Pointer {
 public:
  struct Window {
    WindowHandle parent = 0;
    std::string className;
    std::string title;
    bool visible = true;
    bool enabled = true;
    bool iconic = false;
    int controlId = 0;
    WindowHandle owner = 0;
    std::vector<WindowHandle> children;  // in Z-order, topmost first
    std::size_t siblingIndex = 0;        // where Add put it among its parent's children
  };
  using Formats = std::map<std::string, std::string>;

  FakeDesktop();

  // Adds a window below its existing siblings in Z-order; parent 0 is the desktop.
  WindowHandle Add(WindowHandle parent, std::string className, std::string title);
  // Adds a control with an identifier and no title.
  WindowHandle AddControl(WindowHandle parent, int controlId, std::string className = "Edit");
  // A top-level file dialog holding the file-name combo box (0x47C).
  WindowHandle AddFileDialog(std::string title);
  Window& At(WindowHandle h) { return windows_.at(h); }
  // The title, or "#" and the handle for an untitled window; "none" for 0.
  std::string Name(WindowHandle h) const;

  // --- behaviour of the fake ---
  bool refuseActivation = false;
  bool waitTimesOut = false;
  bool clipboardBusy = false;
  bool clipboardTooLarge = false;  // the save finds more than it keeps
  // After this many sends (counted from 1), intruder becomes the foreground window.
  int stealForegroundAfterSend = 0;
  WindowHandle intruder = 0;
  Formats clipboard;
  std::vector<std::string> log;

  // WindowTree
  WindowHandle Desktop() override { return kDesktop; }
  WindowHandle FirstChild(WindowHandle window) override;
  WindowHandle NextSibling(WindowHandle window) override;
  std::string Text(WindowHandle window, int bufferChars) override;
  std::string ClassName(WindowHandle window, int bufferChars) override;
  bool IsVisible(WindowHandle window) override { return At(window).visible; }
  bool IsEnabled(WindowHandle window) override { return At(window).enabled; }
  bool IsIconic(WindowHandle window) override { return At(window).iconic; }
  void ShowNoActivate(WindowHandle window) override;
  bool HasControlIdInDescendants(WindowHandle window, int controlId) override;
  WindowHandle TopLevelOf(WindowHandle window) override;
  WindowHandle OwnerOf(WindowHandle window) override { return At(window).owner; }

  // Keyboard
  bool Send(const KeySequence& keys) override;
  bool WaitUntilProcessed(WindowHandle target) override;

  // Clipboard
  ClipboardSaveResult Save() override;
  bool SetText(const std::string& text) override;
  bool Restore(const ClipboardSnapshot& snapshot) override;

  // Activation
  bool Activate(WindowHandle window) override;
  WindowHandle Foreground() override { return foreground_; }
  void SetForeground(WindowHandle window) { foreground_ = window; }

  // Pointer
  void ShowHourglass() override { log.push_back("pointer hourglass"); }
  void ShowDefault() override { log.push_back("pointer default"); }

  // How many windows had their title read (the search reads titles only of matching classes).
  int titleReads = 0;

 private:
  static constexpr WindowHandle kDesktop = 0x10010;

  std::unordered_map<WindowHandle, Window> windows_;
  WindowHandle next_ = 0x20000;
  WindowHandle foreground_ = 0;
  int sends_ = 0;
};

}  // namespace dm::test
