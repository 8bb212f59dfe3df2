#pragma once
// Putting a chosen path into the open file dialog or, when there is none, an Explorer window.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "deliver/path_delivery.h"
#include "deliver/target_choice.h"
#include "deliver/window_search.h"
#include "platform/activation.h"
#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/dialog_controls.h"
#include "platform/folder_check.h"
#include "platform/keyboard.h"
#include "platform/shell_window_list.h"
#include "platform/target_program.h"
#include "platform/window_tree.h"

namespace dm {

struct DeliveryServices {
  WindowTree& tree;
  Keyboard& keyboard;
  Clipboard& clipboard;
  Activation& activation;
  BusyCursor& busyCursor;
  DialogControls& controls;
  FolderCheck& folders;
  TargetProgram& programs;
  ShellWindowList& shell;
};

class PathDeliverySequence : public PathDelivery {
 public:
  explicit PathDeliverySequence(DeliveryServices services) : services_(services), search_(services.tree) {}

  // Shows the hourglass; with no target given, finds the first visible, enabled, uncloaked file dialog of the
  // window search (told by its parts), else the front-most visible Explorer window of the most preferred kind
  // (see kExplorerClasses). Nothing is sent when the target runs with more rights than this program, or when
  // the path is not an existing folder. In clipboard mode the clipboard is saved before any key is sent. The
  // target's top-level window is brought to the front; a dialog's name box is given the focus by its handle,
  // the path typed or pasted, read back, and Enter pressed only on exactly the path; afterwards the box gets
  // back the text it held before. An Explorer window is restored when minimised and brought to the front; a
  // folder window of today is then told to show the folder through the shell's window list (in the tab the
  // user sees: the first in Z-order), or where that list does not have it its Win32 address box is opened by
  // keys and checked like a name box (it must show and hold the focus), the path typed or pasted, read back
  // and entered. A folder window with no such box (the XAML navigation bar) gets no key at all, nor does one
  // whose shell did not answer in time. Wine's Explorer gets the same through its path box; the old Explorer
  // gets Go To, the path and Enter, once its Go To box has come up. After Enter, a target that shows its
  // folder where it can be read (the breadcrumbs of an item dialog or a folder window, the title of Wine's
  // Explorer window) must come to show the folder or anything new; one that goes on showing what it showed
  // before did not take it, and the outcome says so. Before every send the foreground window must still be
  // the target or a window it owns; when this program's own window or the icon's notification area took it,
  // the target is brought back. The first failure ends the delivery. The pointer is restored on every exit. A
  // target given gets the same steps, with no search.
  DeliveryOutcome Deliver(const std::string& path, DeliveryMode mode, WindowHandle target) override;

  // The folders open in folder windows through the shell's list (within kOpenFoldersDeadlineMs),
  // and the folder the target shows (FolderShownBy).
  Whereabouts LookAround(WindowHandle window) override;

  // The handles of the last search: slot 0 empty, slots 1..n the matches.
  const std::vector<WindowHandle>& FoundWindows() const { return foundWindows_; }
  const WindowSearch& Search() const { return search_; }

 private:
  // The window a delivery with no target given goes to: the first file dialog the search finds,
  // else the front-most Explorer window of the most preferred kind.
  WindowTarget FindTarget();
  DeliveryOutcome DeliverToTarget(const WindowTarget& found, const std::string& path, bool clipboardMode);
  DeliveryOutcome DeliverToDialog(const FileDialogTarget& target, const std::string& path,
                                  ClipboardSnapshot* saved);
  DeliveryOutcome DeliverToExplorer(const ExplorerTarget& target, const std::string& path,
                                    bool clipboardMode);
  DeliveryOutcome DeliverThroughGoTo(WindowHandle root, const std::string& path, ClipboardSnapshot* saved);
  DeliveryOutcome DeliverThroughAddressBox(const ExplorerTarget& target, const std::string& path,
                                           ClipboardSnapshot* saved);
  // Tells the shell's window list to show the folder in the tab the user sees in root: Answered
  // when it took it, TimedOut when the list did not answer in time, otherwise whatever kept it
  // from being asked or from taking it.
  ShellAnswer NavigateThroughShell(WindowHandle root, const std::string& path);
  // Restores root when minimised and waits until it shows, then brings it to the front and checks
  // it stayed there.
  DeliveryOutcome BringToFront(WindowHandle root);
  DeliveryOutcome OpenAddressBox(const ExplorerTarget& target, WindowHandle root, WindowHandle box);
  // The clipboard's content in clipboard mode (saved stays empty where it is too large to keep).
  DeliveryOutcome SaveClipboard(bool clipboardMode, std::unique_ptr<ClipboardSnapshot>& saved);
  // Where an input method that will not close would compose a typed path (needed), the path is
  // pasted instead: the clipboard is saved into holder and saved points at it.
  DeliveryOutcome PasteInsteadOfTyping(bool needed, std::unique_ptr<ClipboardSnapshot>& holder,
                                       ClipboardSnapshot*& saved);
  DeliveryOutcome FocusNameBox(WindowHandle root, WindowHandle box);
  DeliveryOutcome SendPath(WindowHandle root, const std::string& path, ClipboardSnapshot* saved);
  DeliveryOutcome SendToTarget(WindowHandle root, std::span<const KeyPress> keys, bool wait);
  // The outcome of a send or wait that failed: the front was lost, or the target did not answer.
  DeliveryOutcome WhyNotSent(WindowHandle root);
  bool TargetInFront(WindowHandle root);
  // TargetInFront, bringing the target back when this program or its icon took the front.
  bool KeepTargetInFront(WindowHandle root);

  static constexpr int kMaxOwnerChain = 32;
  static constexpr int kMaxReactivations = 3;
  static constexpr int kMaxActivations = 3;

  DeliveryServices services_;
  WindowSearch search_;
  std::vector<WindowHandle> foundWindows_{0};
  int reactivations_ = 0;
};

}  // namespace dm
