#include "deliver/path_delivery_sequence.h"

#include <utility>

#include "deliver/delivery_keys.h"
#include "deliver/file_url.h"
#include "deliver/folder_rules.h"
#include "deliver/open_folders.h"
#include "deliver/shown_folder.h"

namespace dm {
namespace {

constexpr DeliveryOutcome kOk = DeliveryOutcome::Delivered;

class HourglassScope {
 public:
  explicit HourglassScope(BusyCursor& cursor) : cursor_(cursor) { cursor_.ShowHourglass(); }
  ~HourglassScope() { cursor_.ShowDefault(); }
  HourglassScope(const HourglassScope&) = delete;
  HourglassScope& operator=(const HourglassScope&) = delete;

 private:
  BusyCursor& cursor_;
};

// An open input method takes typed characters into its composition: it is closed while the path
// is typed and opened again on every way out.
class InputMethodPause {
 public:
  InputMethodPause(DialogControls& controls, WindowHandle box, bool typing)
      : controls_(controls),
        box_(box),
        state_(typing ? controls.CloseInputMethod(box) : InputMethodState::NotOpen) {}
  ~InputMethodPause() {
    if (state_ == InputMethodState::Closed) controls_.ReopenInputMethod(box_);
  }
  InputMethodPause(const InputMethodPause&) = delete;
  InputMethodPause& operator=(const InputMethodPause&) = delete;

  bool StaysOpen() const { return state_ == InputMethodState::StaysOpen; }

 private:
  DialogControls& controls_;
  WindowHandle box_;
  InputMethodState state_;
};

}  // namespace

DeliveryOutcome PathDeliverySequence::Deliver(const std::string& path, DeliveryMode mode,
                                              WindowHandle target) {
  HourglassScope hourglass(services_.busyCursor);
  reactivations_ = 0;
  // A look at the folder that may take a while (on a network drive) starts while the windows are
  // searched or the window given is told.
  if (IsFolderPathText(path)) services_.folders.Prepare(path);
  const WindowTarget found = target != 0 ? TargetOfWindow(services_.tree, target) : FindTarget();
  return DeliverToTarget(found, path, mode == DeliveryMode::Pasted);
}

WindowTarget PathDeliverySequence::FindTarget() {
  FileDialogTarget dialog;
  // The dialogs' parts are noted as the search walks past them, so no dialog is walked twice.
  DialogPartsRecord parts;
  if (search_.CollectWindows(foundWindows_, 0, kDialogClass, &parts) > 0) {
    dialog = ChooseFileDialog(services_.tree, foundWindows_, parts);
  }
  ExplorerTarget explorer;
  if (dialog.dialog == 0) explorer = ChooseExplorer(search_, services_.tree, foundWindows_);
  return {dialog, explorer};
}

Whereabouts PathDeliverySequence::LookAround(WindowHandle window) {
  WindowTree& tree = services_.tree;
  const WindowTarget target = window != 0 ? TargetOfWindow(tree, window) : FindTarget();
  const std::vector<OpenFolder> open = FindOpenFolders(tree, services_.shell, kOpenFoldersDeadlineMs);
  Whereabouts where;
  if (!target.Empty()) where.targetFolder = FolderShownBy(tree, open, target);
  const WindowHandle targetFrame = target.explorer.window != 0 ? tree.TopLevelOf(target.explorer.window) : 0;
  for (const OpenFolder& folder : open) {
    const bool targetsOwn =
        folder.frame == targetFrame && where.targetFolder && SameFolderPath(folder.path, *where.targetFolder);
    if (!targetsOwn) where.openFolders.push_back(folder.path);
  }
  return where;
}

DeliveryOutcome PathDeliverySequence::DeliverToTarget(const WindowTarget& found, const std::string& path,
                                                      bool clipboardMode) {
  const FileDialogTarget& dialog = found.dialog;
  const ExplorerTarget& explorer = found.explorer;
  const WindowHandle target = dialog.dialog != 0 ? dialog.dialog : explorer.window;
  if (target == 0) return DeliveryOutcome::NoTarget;
  // The system drops input sent to a program with more rights without saying so.
  if (services_.programs.RunsElevated(target)) return DeliveryOutcome::TargetElevated;
  if (!IsDeliverableFolder(path, services_.folders)) return DeliveryOutcome::FolderInvalid;
  if (dialog.dialog == 0) return DeliverToExplorer(explorer, path, clipboardMode);
  std::unique_ptr<ClipboardSnapshot> saved;
  if (DeliveryOutcome o = SaveClipboard(clipboardMode, saved); o != kOk) return o;
  return DeliverToDialog(dialog, path, saved.get());
}

DeliveryOutcome PathDeliverySequence::SaveClipboard(bool clipboardMode,
                                                    std::unique_ptr<ClipboardSnapshot>& saved) {
  // The clipboard is saved before any key is sent: when it cannot be, nothing is.
  if (!clipboardMode) return kOk;
  ClipboardSaveResult result = services_.clipboard.Save();
  if (result.status == ClipboardSaveStatus::Busy) return DeliveryOutcome::ClipboardBusy;
  // A clipboard too large to keep whole is left as it is, and the path is typed instead.
  if (result.status == ClipboardSaveStatus::Saved) {
    if (!result.snapshot) return DeliveryOutcome::ClipboardBusy;
    saved = std::move(result.snapshot);
  }
  return kOk;
}

DeliveryOutcome PathDeliverySequence::DeliverToDialog(const FileDialogTarget& target, const std::string& path,
                                                      ClipboardSnapshot* saved) {
  WindowTree& tree = services_.tree;
  DialogControls& controls = services_.controls;
  const WindowHandle root = tree.TopLevelOf(target.dialog);
  const WindowHandle box = target.nameBox;
  if (root == 0) return DeliveryOutcome::TargetStoppedAnswering;
  // What the user had typed (a file name for Save As) goes back once the dialog has moved.
  const std::optional<std::string> before = controls.ReadText(box);
  if (!before) return DeliveryOutcome::TargetStoppedAnswering;
  const std::optional<FolderDisplay> display = FindFolderDisplay(tree, root, false);
  const std::string shownBefore = display ? tree.Text(display->window, WindowTree::kTitleChars) : "";
  // A minimised dialog is restored first: keys would reach its system menu.
  if (DeliveryOutcome o = BringToFront(root); o != kOk) return o;
  const auto putBack = [&] {
    if (tree.Exists(box) && controls.ReadText(box) != before) controls.WriteText(box, *before);
  };

  if (DeliveryOutcome focused = FocusNameBox(root, box); focused != kOk) return focused;
  const InputMethodPause inputMethod(controls, box, saved == nullptr);
  std::unique_ptr<ClipboardSnapshot> savedForPaste;
  if (DeliveryOutcome o = PasteInsteadOfTyping(inputMethod.StaysOpen(), savedForPaste, saved); o != kOk) {
    putBack();
    return o;
  }
  DeliveryOutcome sent = SendPath(root, path, saved);
  // A click on the icon may take the front while the path goes in; the box is checked below, so
  // the target is brought back and the delivery finished.
  if (sent == DeliveryOutcome::FocusLost && KeepTargetInFront(root) &&
      (controls.HasFocus(box) || controls.Focus(box))) {
    sent = kOk;
  }
  if (sent != kOk) {
    putBack();
    return sent;
  }
  // Enter only on exactly the path: an appended suggestion or a lost character is corrected, and
  // a box that will not hold the path gets no Enter.
  // Enter goes to the box, nowhere else in the dialog (the file list would open its selection).
  if ((controls.ReadText(box) != path &&
       (!controls.WriteText(box, path) || controls.ReadText(box) != path)) ||
      (!controls.HasFocus(box) && !controls.Focus(box))) {
    putBack();
    return DeliveryOutcome::FocusLost;
  }
  if (DeliveryOutcome entered = SendToTarget(root, kDialogAfterPath, true); entered != kOk) {
    // A dialog that closes on Enter took the path; nothing more goes to its program.
    if (!tree.Exists(target.dialog)) return kOk;
    putBack();
    return entered;
  }
  if (!tree.Exists(target.dialog)) return kOk;
  // The dialog stays open on the folder: where it shows its folder, it must now show this one.
  const bool followed = !display || DisplayFollowed(tree, *display, shownBefore, path);
  putBack();
  return followed ? kOk : DeliveryOutcome::NotShown;
}

DeliveryOutcome PathDeliverySequence::DeliverToExplorer(const ExplorerTarget& target, const std::string& path,
                                                        bool clipboardMode) {
  const WindowHandle root = services_.tree.TopLevelOf(target.window);
  if (root == 0) return DeliveryOutcome::TargetStoppedAnswering;
  if (DeliveryOutcome o = BringToFront(root); o != kOk) return o;
  // The shell's own list needs no key and no clipboard; it is asked first where it may know the
  // window. A shell that did not answer in time is busy: keys would reach it late or never.
  if (target.kind == ExplorerKind::FolderWindow) {
    const ShellAnswer shell = NavigateThroughShell(root, path);
    if (shell == ShellAnswer::Answered) return kOk;
    if (shell == ShellAnswer::TimedOut) return DeliveryOutcome::ShellNotAnswering;
    // Told once already: keys now could move it a second time.
    if (shell == ShellAnswer::NotShown) return DeliveryOutcome::NotShown;
  }
  std::unique_ptr<ClipboardSnapshot> saved;
  if (DeliveryOutcome o = SaveClipboard(clipboardMode, saved); o != kOk) return o;
  if (target.kind == ExplorerKind::GoToWindow) return DeliverThroughGoTo(root, path, saved.get());
  return DeliverThroughAddressBox(target, path, saved.get());
}

DeliveryOutcome PathDeliverySequence::BringToFront(WindowHandle root) {
  WindowTree& tree = services_.tree;
  // A window restored without activation may still lose the front it was given a moment later
  // (its program finishing the restore); it is asked again, a few times at most.
  for (int attempt = 0; attempt < kMaxActivations; ++attempt) {
    if (tree.IsIconic(root)) {
      tree.ShowNoActivate(root);
      // Keys into a window that is still minimised reach its system menu, not the window; and the
      // front given before the window shows again is lost when its restore ends.
      if (!tree.WaitUntilShown(root)) {
        if (!tree.Exists(root)) return DeliveryOutcome::TargetStoppedAnswering;
        continue;
      }
    }
    if (services_.activation.Activate(root) && !tree.IsIconic(root) && TargetInFront(root)) return kOk;
    if (!tree.Exists(root)) return DeliveryOutcome::TargetStoppedAnswering;
  }
  return DeliveryOutcome::ActivationRefused;
}

ShellAnswer PathDeliverySequence::NavigateThroughShell(WindowHandle root, const std::string& path) {
  const ShellTabs listed = services_.shell.TabsOf(root);
  if (listed.answer != ShellAnswer::Answered) return listed.answer;
  const std::optional<WindowHandle> tab = ChooseVisibleTab(services_.tree, root, listed.tabs);
  if (!tab) return ShellAnswer::Unavailable;
  return services_.shell.Navigate(root, *tab, path);
}

DeliveryOutcome PathDeliverySequence::DeliverThroughGoTo(WindowHandle root, const std::string& path,
                                                         ClipboardSnapshot* saved) {
  if (DeliveryOutcome o = SendToTarget(root, kExplorerBeforePath, true); o != kOk) return o;
  // Go To opens a box of its own, owned by the window: while the window itself still has the front
  // the keys did not open it, and the path and Enter would go to the folder view.
  if (services_.activation.Foreground() == root) return DeliveryOutcome::FocusLost;
  if (DeliveryOutcome o = SendPath(root, path, saved); o != kOk) return o;
  return SendToTarget(root, kExplorerAfterPath, false);
}

DeliveryOutcome PathDeliverySequence::DeliverThroughAddressBox(const ExplorerTarget& target,
                                                               const std::string& path,
                                                               ClipboardSnapshot* saved) {
  DialogControls& controls = services_.controls;
  const WindowHandle root = services_.tree.TopLevelOf(target.window);
  const WindowHandle box = FindAddressBox(services_.tree, root, target.kind);
  // Without the box the keys could not be checked to land in it: none is sent.
  if (box == 0) return DeliveryOutcome::NoWayIn;
  // Read before the box opens: the breadcrumbs hide while it is open.
  const std::optional<FolderDisplay> display =
      FindFolderDisplay(services_.tree, root, target.kind == ExplorerKind::WineExplorer);
  const std::string shownBefore =
      display ? services_.tree.Text(display->window, WindowTree::kTitleChars) : "";
  if (DeliveryOutcome o = OpenAddressBox(target, root, box); o != kOk) return o;
  const InputMethodPause inputMethod(controls, box, saved == nullptr);
  std::unique_ptr<ClipboardSnapshot> savedForPaste;
  if (DeliveryOutcome o = PasteInsteadOfTyping(inputMethod.StaysOpen(), savedForPaste, saved); o != kOk)
    return o;
  DeliveryOutcome sent = SendPath(root, path, saved);
  if (sent == DeliveryOutcome::FocusLost && KeepTargetInFront(root) && controls.HasFocus(box)) sent = kOk;
  if (sent != kOk) return sent;
  // Enter only on exactly the path, and only into the box.
  if ((controls.ReadText(box) != path &&
       (!controls.WriteText(box, path) || controls.ReadText(box) != path)) ||
      !controls.HasFocus(box)) {
    return DeliveryOutcome::FocusLost;
  }
  if (DeliveryOutcome o = SendToTarget(root, kAddressBoxAfterPath, true); o != kOk) return o;
  return !display || DisplayFollowed(services_.tree, *display, shownBefore, path) ? kOk
                                                                                  : DeliveryOutcome::NotShown;
}

DeliveryOutcome PathDeliverySequence::OpenAddressBox(const ExplorerTarget& target, WindowHandle root,
                                                     WindowHandle box) {
  DialogControls& controls = services_.controls;
  if (!KeepTargetInFront(root)) return DeliveryOutcome::FocusLost;
  // Wine's path box is an ordinary edit field that takes the focus by its handle; the address box
  // of today's folder window opens for typing only on its own keys.
  if (target.kind == ExplorerKind::WineExplorer && controls.Focus(box)) return kOk;
  // The box is open when it shows and has the focus; a focused box still hidden is not typed into.
  for (const KeyPress& key : kAddressBoxKeys) {
    if (DeliveryOutcome o = SendToTarget(root, std::span(&key, 1), true); o != kOk) return o;
    if (controls.HasFocus(box) && services_.tree.IsVisible(box)) return kOk;
  }
  return DeliveryOutcome::FocusLost;
}

DeliveryOutcome PathDeliverySequence::PasteInsteadOfTyping(bool needed,
                                                           std::unique_ptr<ClipboardSnapshot>& holder,
                                                           ClipboardSnapshot*& saved) {
  if (!needed) return kOk;
  DeliveryOutcome o = SaveClipboard(true, holder);
  // Where the clipboard cannot be kept, the path can be neither pasted nor typed.
  if (o == kOk && !holder) o = DeliveryOutcome::InputMethodOpen;
  if (o == kOk) saved = holder.get();
  return o;
}

DeliveryOutcome PathDeliverySequence::FocusNameBox(WindowHandle root, WindowHandle box) {
  if (!KeepTargetInFront(root)) return DeliveryOutcome::FocusLost;
  if (services_.controls.Focus(box)) return kOk;
  // The last resort: the access key of "File name" in the dialogs that have one.
  if (DeliveryOutcome o = SendToTarget(root, kDialogFocusNameBox, true); o != kOk) return o;
  return services_.controls.HasFocus(box) ? kOk : DeliveryOutcome::FocusLost;
}

DeliveryOutcome PathDeliverySequence::SendPath(WindowHandle root, const std::string& path,
                                               ClipboardSnapshot* saved) {
  if (saved == nullptr) {
    // Only well-formed text gets this far (IsDeliverableFolder refuses any other).
    const std::optional<KeySequence> typed = TypedText(path);
    if (!typed) return DeliveryOutcome::FolderInvalid;
    // The first character goes alone and is waited for. Keys already sent follow the foreground:
    // a target that closes or gives the front away at its first key must get nothing more, and
    // the rest of the path must never reach whatever came to the front meanwhile.
    const std::span<const KeyPress> keys(*typed);
    const std::size_t first = keys.empty() ? 0 : 1;
    const DeliveryOutcome sent = SendToTarget(root, keys.first(first), true);
    if (sent != kOk || first == keys.size()) return sent;
    return SendToTarget(root, keys.subspan(first), true);
  }
  Clipboard& clipboard = services_.clipboard;
  // The earlier content goes back once the target has taken the paste, and also when setting
  // the text or pasting failed part-way.
  const DeliveryOutcome pasted =
      clipboard.SetText(path) ? SendToTarget(root, kPaste, true) : DeliveryOutcome::ClipboardBusy;
  const bool restored = clipboard.Restore(*saved);
  if (pasted == kOk && !restored) return DeliveryOutcome::ClipboardBusy;
  return pasted;
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

bool PathDeliverySequence::KeepTargetInFront(WindowHandle root) {
  while (!TargetInFront(root)) {
    // Keys never go to another program; but this program's own icon, menu or window in front
    // means the user clicked the icon meanwhile, and that click is answered after the delivery.
    // The front given to nobody (the desktop) is taken back the same way: no other program has it.
    // None is also what the system reports while the front passes to another program, so it is
    // believed only once it has settled.
    const WindowHandle front = services_.activation.SettledForeground();
    const bool nobodys = front == 0 || front == services_.tree.Desktop();
    if ((!nobodys && !services_.programs.IsOwnOrItsIcon(front)) || reactivations_ >= kMaxReactivations) {
      return false;
    }
    ++reactivations_;
    if (!services_.activation.Activate(root)) return false;
  }
  return true;
}

DeliveryOutcome PathDeliverySequence::SendToTarget(WindowHandle root, std::span<const KeyPress> keys,
                                                   bool wait) {
  // Keys only ever go to the target: if anything else has come to the front, stop typing.
  if (!KeepTargetInFront(root)) return DeliveryOutcome::FocusLost;
  const KeySequence sequence(keys.begin(), keys.end());
  Keyboard& keyboard = services_.keyboard;
  if (!(wait ? keyboard.SendAndWait(sequence, root) : keyboard.Send(sequence))) return WhyNotSent(root);
  return kOk;
}

DeliveryOutcome PathDeliverySequence::WhyNotSent(WindowHandle root) {
  return TargetInFront(root) ? DeliveryOutcome::TargetStoppedAnswering : DeliveryOutcome::FocusLost;
}

}  // namespace dm
