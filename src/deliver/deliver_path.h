#pragma once
// Putting a chosen path into the open file dialog or, when there is none, an Explorer window.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/path_delivery.h"
#include "deliver/collect_windows.h"
#include "deliver/target_choice.h"
#include "platform/activation.h"
#include "platform/clipboard.h"
#include "platform/dialog_controls.h"
#include "platform/folder_check.h"
#include "platform/keyboard.h"
#include "platform/pointer.h"
#include "platform/window_process.h"
#include "platform/window_tree.h"

namespace dm {

struct DeliveryServices {
  WindowTree& tree;
  Keyboard& keyboard;
  Clipboard& clipboard;
  Activation& activation;
  Pointer& pointer;
  DialogControls& controls;
  FolderCheck& folders;
  WindowProcess& process;
};

// The fixed key strings around the path. Alt+N is sent only when the name box will not take
// the focus by its handle.
inline constexpr std::string_view kDialogFocusNameBox = "%n";
inline constexpr std::string_view kDialogAfterPath = "{ENTER}";
inline constexpr std::string_view kExplorerBeforePath = "%tg";
inline constexpr std::string_view kExplorerAfterPath = "{ENTER}";
inline constexpr std::string_view kPaste = "^v";

class PathDeliverySequence : public PathDelivery {
 public:
  explicit PathDeliverySequence(DeliveryServices services) : services_(services), search_(services.tree) {}

  // Shows the hourglass; finds the first visible, enabled, uncloaked file dialog of the window
  // search (told by its parts), else the first visible Explorer window. Nothing is sent when the
  // target runs with more rights than this program, or when the path is not an existing folder.
  // In clipboard mode the clipboard is saved before any key is sent. The target's top-level
  // window is brought to the front; a dialog's name box is given the focus by its handle, the
  // path typed or pasted, read back, and Enter pressed only on exactly the path; afterwards the
  // box gets back the text it held before. An Explorer window gets Go To, the path and Enter.
  // Before every send the foreground window must still be the target or a window it owns; when
  // this program's own window or the icon's notification area took it, the target is brought
  // back. The first failure ends the delivery. The pointer is restored on every exit.
  DeliveryOutcome DeliverPath(const std::string& path, bool clipboardMode) override;
  // The same steps for the one window given, with no search.
  DeliveryOutcome DeliverPathTo(const std::string& path, bool clipboardMode, WindowHandle window) override;

  // The handles of the last search: slot 0 empty, slots 1..n the matches.
  const std::vector<WindowHandle>& FoundWindows() const { return foundWindows_; }
  const WindowSearch& Search() const { return search_; }

 private:
  DeliveryOutcome DeliverToTarget(const WindowTarget& found, const std::string& path, bool clipboardMode);
  DeliveryOutcome DeliverToDialog(const FileDialogTarget& target, const std::string& path,
                                  ClipboardSnapshot* saved);
  DeliveryOutcome DeliverToExplorer(WindowHandle target, const std::string& path, ClipboardSnapshot* saved);
  DeliveryOutcome FocusNameBox(WindowHandle root, WindowHandle box);
  DeliveryOutcome SendPath(WindowHandle root, const std::string& path, ClipboardSnapshot* saved);
  DeliveryOutcome SendToTarget(WindowHandle root, std::string_view keys, bool wait);
  // The outcome of a send or wait that failed: the front was lost, or the target did not answer.
  DeliveryOutcome WhyNotSent(WindowHandle root);
  bool TargetInFront(WindowHandle root);
  // TargetInFront, bringing the target back when this program or its icon took the front.
  bool KeepTargetInFront(WindowHandle root);

  static constexpr int kMaxOwnerChain = 32;
  static constexpr int kMaxReactivations = 3;

  DeliveryServices services_;
  WindowSearch search_;
  std::vector<WindowHandle> foundWindows_{0};
  int reactivations_ = 0;
};

}  // namespace dm
