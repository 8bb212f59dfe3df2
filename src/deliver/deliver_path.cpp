#include "deliver/deliver_path.h"

#include "deliver/key_string.h"
#include "deliver/send_key_string.h"
#include "deliver/target_choice.h"

namespace dm {
namespace {

class HourglassScope {
 public:
  explicit HourglassScope(Pointer& pointer) : pointer_(pointer) { pointer_.ShowHourglass(); }
  ~HourglassScope() { pointer_.ShowDefault(); }
  HourglassScope(const HourglassScope&) = delete;
  HourglassScope& operator=(const HourglassScope&) = delete;

 private:
  Pointer& pointer_;
};

}  // namespace

void PathDeliverySequence::DeliverPath(const std::string& path, bool clipboardMode) {
  HourglassScope hourglass(services_.pointer);
  WindowHandle target = 0;
  if (search_.CollectWindows(foundWindows_, 0, "*", "[#]32770") > 0) {
    target = ChooseFileDialog(services_.tree, foundWindows_);
  }
  if (target != 0) {
    DeliverTo(target, /*isDialog=*/true, path, clipboardMode);
    return;
  }
  if (search_.CollectWindows(foundWindows_, 0, "*", "ExploreWClass") > 0) {
    target = ChooseExplorerWindow(services_.tree, foundWindows_);
  }
  if (target != 0) DeliverTo(target, /*isDialog=*/false, path, clipboardMode);
}

bool PathDeliverySequence::DeliverTo(WindowHandle target, bool isDialog, const std::string& path,
                                     bool clipboardMode) {
  WindowTree& tree = services_.tree;
  const WindowHandle root = tree.TopLevelOf(target);
  if (root == 0) return false;
  if (!isDialog && tree.IsIconic(target)) {
    tree.ShowNoActivate(target);
    // Alt+T in a window that is still minimised opens its system menu, not Tools; the path and
    // Enter would then pick from that menu.
    if (tree.IsIconic(target)) return false;
  }
  if (!services_.activation.Activate(root)) return false;
  if (isDialog) {
    return SendToTarget(root, kDialogBeforePath, true) && SendPath(root, path, clipboardMode) &&
           SendToTarget(root, kDialogAfterPath, true);
  }
  return SendToTarget(root, kExplorerBeforePath, true) && SendPath(root, path, clipboardMode) &&
         SendToTarget(root, kExplorerAfterPath, false);
}

bool PathDeliverySequence::SendPath(WindowHandle root, const std::string& path, bool clipboardMode) {
  if (!clipboardMode) return SendToTarget(root, EscapeKeyString(path), true);
  Clipboard& clipboard = services_.clipboard;
  const ClipboardSaveResult saved = clipboard.Save();
  // A clipboard too large to keep whole is left as it is, and the path is typed instead.
  if (saved.status == ClipboardSaveStatus::TooLarge) return SendToTarget(root, EscapeKeyString(path), true);
  if (saved.status != ClipboardSaveStatus::Saved || !saved.snapshot) return false;
  // The earlier content goes back once the target has taken the paste, and also when setting
  // the text or pasting failed part-way.
  const bool pasted = clipboard.SetText(path) && SendToTarget(root, kPaste, true);
  const bool restored = clipboard.Restore(*saved.snapshot);
  return pasted && restored;
}

bool PathDeliverySequence::TargetInFront(WindowHandle root) {
  // The target itself, or a window it owns and opened meanwhile (Explorer's Go To box).
  WindowHandle window = services_.activation.Foreground();
  for (int depth = 0; window != 0 && depth < kMaxOwnerChain; ++depth) {
    if (window == root) return true;
    window = services_.tree.OwnerOf(window);
  }
  return false;
}

bool PathDeliverySequence::SendToTarget(WindowHandle root, std::string_view keys, bool wait) {
  // Keys only ever go to the target: if anything else has come to the front, stop typing.
  if (!TargetInFront(root)) return false;
  return SendKeyString(services_.keyboard, keys, wait, root);
}

}  // namespace dm
