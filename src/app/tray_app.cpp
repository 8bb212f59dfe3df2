#include "app/tray_app.h"

#include <string>
#include <utility>

#include "app/startup_settings.h"
#include "store/folder_list_store.h"
#include "store/recent_folders_store.h"
#include "store/settings_keys.h"
#include "store/stored_settings.h"
#include "ui/about/about_text.h"
#include "ui/main/delivery_notice.h"

namespace dm {

bool TrayApp::Start() {
  if (services_.process.AnotherCopyRunning()) {
    services_.process.CloseMainWindow();
    services_.process.Beep();
    return false;
  }
  folders_ = LoadFolderList(services_.store);
  recent_ = LoadRecentFolders(services_.store);
  notices_ = NoticesFromText(ReadStoredValue(services_.store, keys::kNotify, keys::kNotifyDefault));
  configureMenu_.SetMode(
      ClipboardOptionFromText(ReadStoredValue(services_.store, keys::kClipboard, keys::kClipboardDefault))
          ? DeliveryMode::Pasted
          : DeliveryMode::Typed);
  ShowIcon();
  services_.process.SetPriority(
      PriorityFromText(ReadStoredValue(services_.store, keys::kPriority, keys::kPriorityDefault)));
  services_.timer.SetInterval(services_.process.DoubleClickTime());
  return true;
}

IconEvent TrayApp::InterpretIconEvent(IconEvent event) {
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
  const IconNotification notification{InterpretIconEvent(event), anchor};
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
  HandleNotification(notification);
}

void TrayApp::HandleNotification(const IconNotification& notification) {
  if (answeringIcon_) return;
  answeringIcon_ = true;
  FoldersMenuChoice chosen;
  switch (notification.event) {
    case IconEvent::LeftButtonUp:
      services_.timer.StartClickTimer();
      break;
    case IconEvent::LeftDoubleClick:
      services_.timer.StopClickTimer();
      OpenEditor();
      break;
    case IconEvent::KeySelect:
      services_.timer.StopClickTimer();
      chosen = ChooseFolder(notification.anchor);
      break;
    case IconEvent::RightButtonUp:
    case IconEvent::ContextMenu:
      if (!services_.windows.EditorVisible()) {
        OnConfigureCommand(services_.windows.PopUpConfigureMenu(configureMenu_, notification.anchor));
      }
      break;
    case IconEvent::Select:  // told apart by InterpretIconEvent
    case IconEvent::Other:
      break;
  }
  answeringIcon_ = false;
  // Delivered outside the guard, as after a click's menu: clicks meanwhile are kept and answered.
  OnFolderChosen(chosen, 0);
}

void TrayApp::OnClickTimerTick() {
  // Stopped before the menu opens: a tick dispatched by the menu's own loop cannot open a second.
  services_.timer.StopClickTimer();
  OnFolderChosen(ChooseFolder(std::nullopt), 0);
}

void TrayApp::OnHotkey(WindowHandle window, std::optional<ScreenPoint> at) {
  if (delivering_ || answeringIcon_) return;
  if (folders_.Empty() || services_.windows.EditorVisible()) {
    // The user pressed the key and no menu can open: say so.
    services_.process.Beep();
    return;
  }
  services_.timer.StopClickTimer();
  // The key repeats while held: its further presses reach this object through the menu's own
  // loop and are dropped.
  answeringIcon_ = true;
  const FoldersMenuChoice chosen = ChooseFolder(at, window);
  answeringIcon_ = false;
  OnFolderChosen(chosen, window);
}

FoldersMenuChoice TrayApp::ChooseFolder(std::optional<ScreenPoint> at, WindowHandle target) {
  if (folders_.Empty() || services_.windows.EditorVisible()) return {};
  Whereabouts around = services_.delivery.LookAround(target);
  return services_.windows.PopUpFoldersMenu(
      BuildFoldersMenu(folders_, recent_.Folders(),
                       {std::move(around.openFolders), std::move(around.targetFolder)}),
      at);
}

void TrayApp::AddShownFolder(const std::string& folder) {
  // The editor, opened while the menu was up, shows the list as it was: nothing is added under it.
  if (services_.windows.EditorVisible() || folders_.Add(folder).result != AddResult::Added) {
    services_.process.Beep();
    return;
  }
  // Stored at once, as after the editor: a program ended by force keeps it.
  StoreFolderListChanges(services_.store, folders_);
  services_.icon.Modify(TrayTipText(folders_.Count()));
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
      StoreRecentFolders(services_.store, recent_);
      break;
    case FoldersMenuAction::None:
      break;
  }
}

void TrayApp::Deliver(const std::string& path, WindowHandle target) {
  delivering_ = true;
  const DeliveryMode mode = configureMenu_.Mode();
  const DeliveryOutcome outcome = services_.delivery.Deliver(path, mode, target);
  if (outcome != DeliveryOutcome::Delivered) {
    services_.process.Beep();
    services_.process.Trace("the folder was not delivered: " + std::string(DescribeOutcome(outcome)) +
                            (mode == DeliveryMode::Pasted ? " (clipboard mode)" : " (typed)"));
    // The beep says that it failed; the notice says why, for as long as the user wants to read it.
    if (notices_)
      services_.icon.ShowNotice(std::string(delivery_notice::kTitle), delivery_notice::Sentence(outcome));
  } else if (recent_.Delivered(path)) {
    StoreRecentFolders(services_.store, recent_);
  }
  delivering_ = false;
  for (const IconNotification& click : std::exchange(deferredClicks_, {})) HandleNotification(click);
}

void TrayApp::OpenEditor() {
  // The editor shows the list in display order, and the list keeps that order from then on.
  folders_.SortForDisplay();
  services_.windows.ShowEditor();
}

void TrayApp::OnConfigureCommand(ConfigureCommand command) {
  switch (command) {
    case ConfigureCommand::List:
      OpenEditor();
      break;
    case ConfigureCommand::Clipboard:
      configureMenu_.ToggleMode();
      // Stored at once, whatever the list holds: a program ended by force keeps the choice.
      StoreClipboardOption(services_.store, configureMenu_.Mode() == DeliveryMode::Pasted);
      break;
    case ConfigureCommand::About:
      services_.windows.ShowAboutBox(AboutInfoText(folders_.Count()));
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
  SaveFolderList(services_.store, folders_, configureMenu_.Mode() == DeliveryMode::Pasted);
  if (std::exchange(iconRetrying_, false)) services_.iconRetry.StopIconRetry();
  services_.icon.Remove();
  services_.windows.CloseAboutBox();
  services_.windows.CloseEditor();
  services_.process.EndProgram();
}

void TrayApp::OnTaskbarCreated() { ShowIcon(); }

void TrayApp::OnIconRetryTick() { ShowIcon(); }

void TrayApp::ShowIcon() {
  const std::string tip = TrayTipText(folders_.Count());
  // An add that timed out may still have been carried out, and the shell also announces a
  // restart in which it kept its icons: the icon is then there, and a modify brings it up to date.
  const bool shown = services_.icon.Add(tip) || services_.icon.Modify(tip);
  if (shown && iconRetrying_) services_.iconRetry.StopIconRetry();
  if (!shown && !iconRetrying_) services_.iconRetry.RequestIconRetry();
  iconRetrying_ = !shown;
}

void TrayApp::OnEditorClosed() {
  StoreFolderListChanges(services_.store, folders_);
  services_.icon.Modify(TrayTipText(folders_.Count()));
}

}  // namespace dm
