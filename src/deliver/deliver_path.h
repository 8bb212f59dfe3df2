#pragma once
// Putting a chosen path into the open file dialog or, when there is none, an Explorer window.

#include <string>
#include <vector>

#include "app/path_delivery.h"
#include "deliver/collect_windows.h"
#include "platform/activation.h"
#include "platform/clipboard.h"
#include "platform/keyboard.h"
#include "platform/pointer.h"
#include "platform/window_tree.h"

namespace dm {

struct DeliveryServices {
  WindowTree& tree;
  Keyboard& keyboard;
  Clipboard& clipboard;
  Activation& activation;
  Pointer& pointer;
};

// The fixed key strings around the path.
inline constexpr std::string_view kDialogBeforePath = "%n";
inline constexpr std::string_view kDialogAfterPath = "{ENTER}{BS}";
inline constexpr std::string_view kExplorerBeforePath = "%tg";
inline constexpr std::string_view kExplorerAfterPath = "{ENTER}";
inline constexpr std::string_view kPaste = "^v";

class PathDeliverySequence : public PathDelivery {
 public:
  explicit PathDeliverySequence(DeliveryServices services) : services_(services), search_(services.tree) {}

  // Shows the hourglass; finds the first visible, enabled file dialog of the window search, else
  // the first visible Explorer window (restored without activation when minimised, and left
  // alone when it stays minimised); brings its top-level window to the foreground and types the
  // fixed keys and the path, or pastes the path with the clipboard saved and put back whole.
  // Before every send the foreground window must still be the target or a window the target
  // owns (such as the box its Go To command opens); the first failure ends the delivery
  // silently. The pointer is restored on every exit.
  void DeliverPath(const std::string& path, bool clipboardMode) override;

  // The handles of the last search: slot 0 empty, slots 1..n the matches.
  const std::vector<WindowHandle>& FoundWindows() const { return foundWindows_; }
  const WindowSearch& Search() const { return search_; }

 private:
  bool DeliverTo(WindowHandle target, bool isDialog, const std::string& path, bool clipboardMode);
  bool SendPath(WindowHandle root, const std::string& path, bool clipboardMode);
  bool SendToTarget(WindowHandle root, std::string_view keys, bool wait);
  bool TargetInFront(WindowHandle root);

  static constexpr int kMaxOwnerChain = 32;

  DeliveryServices services_;
  WindowSearch search_;
  std::vector<WindowHandle> foundWindows_{0};
};

}  // namespace dm
