#include "app/tray_app.h"

#include <string>
#include <utility>

#include "app/startup_settings.h"
#include "store/folder_list_store.h"
#include "store/recent_folders_store.h"
#include "store/settings_keys.h"
#include "store/stored_settings.h"
#include "ui/about/about_info_text.h"
#include "ui/main/delivery_notice.h"

namespace dm {

bool TrayApp::Start() {
  if (s_.process.AnotherCopyRunning()) {
    s_.process.CloseMainWindow();
    s_.process.Beep();
    return false;
  }
  folders_ = LoadFolderList(s_.store);
  recent_ = LoadRecentFolders(s_.store);
  notices_ = NoticesFromText(ReadStoredValue(s_.store, keys::kNotify, keys::kNotifyDefault));
  configureMenu_.SetClipboardChecked(
      ClipboardOptionFromText(ReadStoredValue(s_.store, keys::kClipboard, keys::kClipboardDefault)));
  ShowIcon();
  s_.process.SetPriority(
      PriorityFromText(ReadStoredValue(s_.store, keys::kPriority, keys::kPriorityDefault)));
  s_.timer.SetInterval(s_.process.DoubleClickTime());
  return true;
}

IconEvent TrayApp::Recognise(IconEvent event) {
  if (event == IconEvent::Other) return event;
  const IconEvent previous = std::exchange(lastEvent_, event);
  // The current notification behaviour follows a left click with a selection and a right click
  // with a menu request; the click itself is answered, they are not.
  if (event == IconEvent::Select)
    return previous == IconEvent::LeftButtonUp ? IconEvent::Other : IconEvent::KeySelect;
  if (event == IconEvent::ContextMenu && previous == IconEvent::RightButtonUp) return IconEvent::Other;
  return event;
}

void TrayApp::OnIconEvent(IconEvent event, std::optional<ScreenPoint> anchor) {
  const IconNotification notification{Recognise(event), anchor};
  if (delivering_) {
    // The delivery lets the system hand this thread messages while it waits for its target; a
    // click on the icon meanwhile is answered once the delivery is over, never in its middle.
    // Repeated clicks of impatience count once.
    if (notification.event != IconEvent::Other && deferredClicks_.size() < kMaxDeferredClicks &&
        (deferredClicks_.empty() || deferredClicks_.back() != notification)) {
      deferredClicks_.push_back(notification);
    }
    return;
  }
  Answer(notification);
}

void TrayApp::Answer(const IconNotification& notification) {
  if (answeringIcon_) return;
  answeringIcon_ = true;
  FoldersMenuChoice chosen;
  switch (notification.event) {
    case IconEvent::LeftButtonUp:
      s_.timer.Enable();
      break;
    case IconEvent::LeftDoubleClick:
      s_.timer.Disable();
      OpenEditor();
      break;
    case IconEvent::KeySelect:
      s_.timer.Disable();
      chosen = ChooseFolder(notification.anchor);
      break;
    case IconEvent::RightButtonUp:
    case IconEvent::ContextMenu:
      if (!s_.windows.EditorVisible()) {
        OnConfigureCommand(s_.windows.PopUpConfigureMenu(configureMenu_, notification.anchor));
      }
      break;
    case IconEvent::Select:  // told apart by Recognise
    case IconEvent::Other:
      break;
  }
  answeringIcon_ = false;
  // Delivered outside the guard, as after a click's menu: clicks meanwhile are kept and answered.
  OnFolderChosen(chosen, 0);
}

void TrayApp::OnClickTimerTick() {
  // Stopped before the menu opens: a tick dispatched by the menu's own loop cannot open a second.
  s_.timer.Disable();
  OnFolderChosen(ChooseFolder(std::nullopt), 0);
}

void TrayApp::OnHotkey(WindowHandle window, std::optional<ScreenPoint> at) {
  if (delivering_ || answeringIcon_) return;
  if (folders_.Empty() || s_.windows.EditorVisible()) {
    // The user pressed the key and no menu can open: say so.
    s_.process.Beep();
    return;
  }
  s_.timer.Disable();
  // The key repeats while held: its further presses reach this object through the menu's own
  // loop and are dropped.
  answeringIcon_ = true;
  const FoldersMenuChoice chosen = ChooseFolder(at, window);
  answeringIcon_ = false;
  OnFolderChosen(chosen, window);
}

FoldersMenuChoice TrayApp::ChooseFolder(std::optional<ScreenPoint> at, WindowHandle target) {
  if (folders_.Empty() || s_.windows.EditorVisible()) return {};
  Whereabouts around = s_.delivery.LookAround(target);
  return s_.windows.PopUpFoldersMenu(
      BuildFoldersMenu(folders_, recent_.Folders(),
                       {std::move(around.openFolders), std::move(around.targetFolder)}),
      at);
}

void TrayApp::AddShownFolder(const std::string& folder) {
  // The editor, opened while the menu was up, shows the list as it was: nothing is added under it.
  if (s_.windows.EditorVisible() || folders_.Add(folder).result != AddResult::Added) {
    s_.process.Beep();
    return;
  }
  // Stored at once, as after the editor: a program ended by force keeps it.
  StoreFolderListChanges(s_.store, folders_);
  s_.icon.Modify(TrayTipText(folders_.Count()));
}

void TrayApp::OnFolderChosen(const FoldersMenuChoice& choice, WindowHandle target) {
  switch (choice.action) {
    case FoldersMenuAction::DeliverStored:
      // A copy: the editor, opened meanwhile, may change the list while the delivery waits.
      if (choice.index < folders_.Count()) Deliver(std::string(folders_.At(choice.index)), target);
      break;
    case FoldersMenuAction::DeliverPath:
      Deliver(choice.path, target);
      break;
    case FoldersMenuAction::AddFolder:
      AddShownFolder(choice.path);
      break;
    case FoldersMenuAction::ClearRecent:
      recent_.Clear();
      StoreRecentFolders(s_.store, recent_);
      break;
    case FoldersMenuAction::None:
      break;
  }
}

void TrayApp::Deliver(const std::string& path, WindowHandle target) {
  delivering_ = true;
  const DeliveryMode mode = configureMenu_.ClipboardChecked() ? DeliveryMode::Pasted : DeliveryMode::Typed;
  const DeliveryOutcome outcome = s_.delivery.Deliver(path, mode, target);
  if (outcome != DeliveryOutcome::Delivered) {
    s_.process.Beep();
    s_.process.Trace("the folder was not delivered: " + std::string(DescribeOutcome(outcome)) +
                     (mode == DeliveryMode::Pasted ? " (clipboard mode)" : " (typed)"));
    // The beep says that it failed; the notice says why, for as long as the user wants to read it.
    if (notices_)
      s_.icon.ShowNotice(std::string(delivery_notice::kTitle), delivery_notice::Sentence(outcome));
  } else if (recent_.Delivered(path)) {
    StoreRecentFolders(s_.store, recent_);
  }
  delivering_ = false;
  for (const IconNotification& click : std::exchange(deferredClicks_, {})) Answer(click);
}

void TrayApp::OpenEditor() {
  // The editor shows the list in display order, and the list keeps that order from then on.
  folders_.SortForDisplay();
  s_.windows.ShowEditor();
}

void TrayApp::OnConfigureCommand(ConfigureCommand command) {
  switch (command) {
    case ConfigureCommand::List:
      OpenEditor();
      break;
    case ConfigureCommand::Clipboard:
      configureMenu_.ToggleClipboard();
      // Stored at once, whatever the list holds: a program ended by force keeps the choice.
      StoreClipboardOption(s_.store, configureMenu_.ClipboardChecked());
      break;
    case ConfigureCommand::About:
      s_.windows.ShowAboutBox(AboutInfoText(folders_.Count()));
      break;
    case ConfigureCommand::Exit:
      SaveAndExit();
      break;
    case ConfigureCommand::None:
      break;
  }
}

void TrayApp::OnClose(CloseReason reason) {
  if (CloseSaves(reason)) SaveAndExit();
}

void TrayApp::SaveAndExit() {
  // The editor edits this very list, so an open editor, even one still filling its window, needs
  // nothing copied back first.
  SaveFolderList(s_.store, folders_, configureMenu_.ClipboardChecked());
  if (std::exchange(iconRetrying_, false)) s_.iconRetry.StopIconRetry();
  s_.icon.Delete();
  s_.windows.CloseAboutBox();
  s_.windows.CloseEditor();
  s_.process.EndProgram();
}

void TrayApp::OnTaskbarCreated() { ShowIcon(); }

void TrayApp::OnIconRetryTick() { ShowIcon(); }

void TrayApp::ShowIcon() {
  const std::string tip = TrayTipText(folders_.Count());
  // An add that timed out may still have been carried out, and the shell also announces a
  // restart in which it kept its icons: the icon is then there, and a modify brings it up to date.
  const bool shown = s_.icon.Add(tip) || s_.icon.Modify(tip);
  if (shown && iconRetrying_) s_.iconRetry.StopIconRetry();
  if (!shown && !iconRetrying_) s_.iconRetry.RequestIconRetry();
  iconRetrying_ = !shown;
}

void TrayApp::OnEditorClosed() {
  StoreFolderListChanges(s_.store, folders_);
  s_.icon.Modify(TrayTipText(folders_.Count()));
}

}  // namespace dm
