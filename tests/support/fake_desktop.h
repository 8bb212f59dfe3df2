#pragma once
// An in-memory desktop for the delivery tests: a window tree, a keyboard, a clipboard with
// several formats, activation and the pointer. Every action that reaches the outside world is
// appended to one ordered log, so a delivery is checked by comparing logs.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/activation.h"
#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/dialog_controls.h"
#include "platform/folder_check.h"
#include "platform/key_sequence.h"
#include "platform/keyboard.h"
#include "platform/shell_window_list.h"
#include "platform/target_program.h"
#include "platform/window_tree.h"

namespace dm::test {

// Readable form of a key sequence: presses separated by spaces, modifiers as "Ctrl+", "Alt+",
// "Shift+", named keys in braces, runs of plain characters quoted: Alt+n "C:\x" {ENTER} {BS}
std::string DescribeKeys(const KeySequence& keys);

class FakeDesktop : public WindowTree,
                    public Keyboard,
                    public Clipboard,
                    public Activation,
                    public BusyCursor,
                    public DialogControls,
                    public FolderCheck,
                    public TargetProgram,
                    public ShellWindowList {
 public:
  struct Window {
    WindowHandle parent = 0;
    std::string className;
    std::string title;  // also the text of an edit field
    bool visible = true;
    bool enabled = true;
    bool iconic = false;
    bool cloaked = false;
    bool elevated = false;  // its program runs with more rights
    bool own = false;       // this program's window or its icon's notification area
    bool closeOnEnter = false;
    bool destroyed = false;
    int controlId = 0;
    WindowHandle owner = 0;
    WindowHandle addressBox = 0;         // a folder window's: the edit its address keys open
    std::vector<WindowHandle> children;  // in Z-order, topmost first
    std::size_t siblingIndex = 0;        // where Add put it among its parent's children
  };
  using Formats = std::map<std::string, std::string>;

  FakeDesktop();

  // Adds a window below its existing siblings in Z-order; parent 0 is the desktop.
  WindowHandle Add(WindowHandle parent, std::string className, std::string title);
  // Adds a control with an identifier and no title.
  WindowHandle AddControl(WindowHandle parent, int controlId, std::string className = "Edit");
  // A top-level explorer-style file dialog: the name box (combo box 0x47C with its edit field)
  // and a shell view.
  WindowHandle AddFileDialog(std::string title);
  // A folder window of today ("CabinetWClass"): its address bar chain down to the edit field, and
  // two tabs ("ShellTabWindowClass"), "Shown tab" and the hidden "Hidden tab".
  WindowHandle AddFolderWindow(std::string title);
  // A folder window of Windows 11 from 23H2 on: its navigation bar in a XAML island
  // ("Microsoft.UI.Content.DesktopChildSiteBridge"), the same two tabs, and with classicRemnant
  // the classic address bar chain as well, hidden (its edit is still the addressBox the keys
  // focus).
  WindowHandle AddXamlFolderWindow(std::string title, bool classicRemnant);
  // The address band of an item dialog, its breadcrumb bar showing "Address: " and folder; the
  // bar's tool bar.
  WindowHandle AddBreadcrumbs(WindowHandle root, const std::string& folder);
  // What a window that went to folder shows: its breadcrumb bar "Address: " and folder, and for
  // Wine's Explorer window the folder's last name as its title.
  void ShowFolder(WindowHandle root, const std::string& folder);
  // Wine's Explorer window ("ExplorerWClass") with its path box in a tool bar.
  WindowHandle AddWineExplorer(std::string title);
  // The tabs of a window built by AddFolderWindow, in the order added.
  std::vector<WindowHandle> TabsIn(WindowHandle frame);
  // The edit field of a dialog's name box (the first 0x47C or 0x480 below it).
  WindowHandle NameBoxOf(WindowHandle dialog);
  Window& At(WindowHandle h) { return windows_.at(h); }
  // The title, or "#" and the handle for an untitled window; "none" for 0.
  std::string Name(WindowHandle h) const;

  // --- behaviour of the fake ---
  bool refuseActivation = false;
  bool waitTimesOut = false;
  bool clipboardBusy = false;
  bool clipboardTooLarge = false;  // the save finds more than it keeps
  // The name box will not take the focus by its handle (Alt+N still reaches it).
  bool focusByHandleRefused = false;
  // The name box's program does not answer when its text is read or written.
  bool textTimesOut = false;
  // Writing the box leaves something else in it.
  bool writeGarbles = false;
  // The input method of the name box's program is open (composing what is typed), and whether it
  // refuses to close.
  bool inputMethodOpen = false;
  bool inputMethodStaysOpen = false;
  // Appended to the box after the first typed run, as an autocomplete suggestion would be.
  std::string autocomplete;
  // Folders the file system does not know, or cannot answer for in time.
  std::map<std::string, FolderState> folderStates;
  // The keys that open a folder window's address box, as DescribeKeys writes them.
  std::vector<std::string> addressKeys{"Alt+d", "{F4}", "Ctrl+l"};
  // The shell's window list: the tabs it lists per folder window; none at all when unavailable,
  // and no answer in time when it hangs (when asked for the tabs, or only when told to navigate).
  std::map<WindowHandle, std::vector<WindowHandle>> shellTabs;
  bool shellUnavailable = false;
  bool shellHangs = false;
  bool navigateHangs = false;
  bool navigateRefused = false;
  bool navigateNotShown = false;  // the browser takes the folder and goes on showing another
  // What each listed browser reports as its address (by its tab), for Folders; a file URL of
  // "C:\\Start" where none is given.
  std::map<WindowHandle, std::string> shellUrls;
  // A minimised window shows again only once waited for (it stays minimised through
  // ShowNoActivate).
  bool restoreLate = false;
  // Enter in a name box or an address box moves the window to the folder it holds (its
  // breadcrumb bar, and a Wine Explorer window's title, then show it), unless ignored.
  bool enterIgnored = false;
  // An address box its keys focus but leave hidden.
  bool addressBoxStaysHidden = false;
  // Activation succeeds, but the front goes to activationThief right after, this many times.
  int frontLostAfterActivation = 0;
  WindowHandle activationThief = 0;
  // After this many sends (counted from 1), intruder becomes the foreground window.
  int stealForegroundAfterSend = 0;
  WindowHandle intruder = 0;
  // When set, a front of none (0 or the desktop) settles on this window once asked to settle.
  WindowHandle frontSettlesOn = 0;
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
  bool WaitUntilShown(WindowHandle window) override;
  int ControlId(WindowHandle window) override { return At(window).controlId; }
  bool IsCloaked(WindowHandle window) override { return At(window).cloaked; }
  bool Exists(WindowHandle window) override;
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
  WindowHandle SettledForeground() override;
  void SetForeground(WindowHandle window) { foreground_ = window; }

  // DialogControls
  bool Focus(WindowHandle control) override;
  bool HasFocus(WindowHandle control) override { return focus_ == control && control != 0; }
  std::optional<std::string> ReadText(WindowHandle control) override;
  bool WriteText(WindowHandle control, const std::string& text) override;
  InputMethodState CloseInputMethod(WindowHandle control) override;
  void ReopenInputMethod(WindowHandle control) override;

  // FolderCheck
  FolderState Check(const std::string& path) override;

  // TargetProgram
  bool RunsElevated(WindowHandle window) override { return At(TopLevelOf(window)).elevated; }
  bool IsOwnOrItsIcon(WindowHandle window) override { return At(window).own; }

  // ShellWindowList
  ShellTabs TabsOf(WindowHandle frame) override;
  ShellAnswer Navigate(WindowHandle frame, WindowHandle tab, const std::string& folder) override;
  ShellFolders Folders(unsigned deadlineMs) override;

  // BusyCursor
  void ShowHourglass() override { log.push_back("pointer hourglass"); }
  void ShowDefault() override { log.push_back("pointer default"); }

  // How many windows had their title read (the search reads titles only of matching classes).
  int titleReads = 0;

 private:
  static constexpr WindowHandle kDesktop = 0x10010;

  std::unordered_map<WindowHandle, Window> windows_;
  WindowHandle next_ = 0x20000;
  WindowHandle foreground_ = 0;
  WindowHandle focus_ = 0;
  bool selected_ = false;  // the focused box's whole text is selected
  void Type(const KeyPress& press);
  int sends_ = 0;
};

}  // namespace dm::test
