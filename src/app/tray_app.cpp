#include "app/tray_app.h"

#include <utility>

#include "app/startup_settings.h"
#include "store/path_list_store.h"
#include "store/settings_keys.h"
#include "ui/about/about_info_text.h"

namespace dm {

bool TrayApp::Start() {
  if (s_.process.AnotherCopyRunning()) {
    s_.process.CloseMainWindow();
    s_.process.Beep();
    return false;
  }
  LoadPathList(s_.store, mnuFolders_, PathCount_);
  mnuMain_.SetClipboardChecked(ClipboardOptionFromText(
      ReadSetting(s_.store, keys::kApplication, keys::kSection, keys::kClipboard, keys::kClipboardDefault)));
  ShowIcon();
  s_.process.SetPriorityClass(PriorityClassFromText(
      ReadSetting(s_.store, keys::kApplication, keys::kSection, keys::kPriority, keys::kPriorityDefault)));
  s_.timer.SetInterval(
      s_.process.ProfileInt(keys::kProfileSection, keys::kDoubleClickSpeed, keys::kDoubleClickSpeedDefault));
  return true;
}

void TrayApp::OnTrayNotification(int mouseMessage) {
  TrayMessage_ = mouseMessage;
  if (delivering_) {
    // The delivery lets the system hand this thread messages while it waits for its target; a
    // click on the icon meanwhile is answered once the delivery is over, never in its middle.
    // Repeated clicks of impatience count once.
    const bool isClick = mouseMessage == kLeftButtonUp || mouseMessage == kLeftButtonDoubleClick ||
                         mouseMessage == kRightButtonUp;
    if (isClick && deferredClicks_.size() < kMaxDeferredClicks &&
        (deferredClicks_.empty() || deferredClicks_.back() != mouseMessage)) {
      deferredClicks_.push_back(mouseMessage);
    }
    return;
  }
  if (TrayBusy_) return;
  TrayBusy_ = true;
  switch (TrayMessage_) {
    case kLeftButtonUp:
      s_.timer.Enable();
      break;
    case kLeftButtonDoubleClick:
      s_.timer.Disable();
      s_.windows.ShowEditor();
      break;
    case kRightButtonUp:
      if (!s_.windows.EditorVisible()) OnConfigureCommand(s_.windows.PopUpConfigureMenu(mnuMain_));
      break;
    default:
      break;
  }
  TrayBusy_ = false;
}

void TrayApp::OnClickTimerTick() {
  // Stopped before the menu opens: a tick dispatched by the menu's own loop cannot open a second.
  s_.timer.Disable();
  if (PathCount_ > 0 && !s_.windows.EditorVisible()) {
    OnPathChosen(s_.windows.PopUpFoldersMenu(mnuFolders_));
  }
}

void TrayApp::OnPathChosen(std::size_t index) {
  if (index == 0 || index > PathCount_) return;
  delivering_ = true;
  s_.delivery.DeliverPath(mnuFolders_.Caption(index), mnuMain_.ClipboardChecked());
  delivering_ = false;
  for (const int click : std::exchange(deferredClicks_, {})) OnTrayNotification(click);
}

void TrayApp::OnConfigureCommand(ConfigureCommand command) {
  switch (command) {
    case ConfigureCommand::List:
      s_.windows.ShowEditor();
      break;
    case ConfigureCommand::Clipboard:
      mnuMain_.ToggleClipboard();
      break;
    case ConfigureCommand::About:
      AboutInfoText_ = AboutInfoText(PathCount_);
      s_.windows.ShowAboutBox(AboutInfoText_);
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
  // The save stores exactly what an open editor shows: its list is committed to the Folders menu
  // first, or a deleted path would be saved and the last one lost.
  s_.windows.CommitEditorIfOpen();
  SavePathList(s_.store, mnuFolders_, PathCount_, mnuMain_.ClipboardChecked(),
               [this] { s_.process.ProcessPendingMessages(); });
  if (std::exchange(iconRetrying_, false)) s_.iconRetry.StopIconRetry();
  s_.icon.Delete();
  s_.windows.CloseAboutBox();
  s_.windows.CloseEditor();
  s_.process.ProcessPendingMessages();
  s_.process.EndProgram();
}

void TrayApp::OnTaskbarCreated() { ShowIcon(); }

void TrayApp::OnIconRetryTick() { ShowIcon(); }

void TrayApp::ShowIcon() {
  const std::string tip = TrayTipText(PathCount_);
  // An add that timed out may still have been carried out, and the shell also announces a
  // restart in which it kept its icons: the icon is then there, and a modify brings it up to date.
  const bool shown = s_.icon.Add(tip) || s_.icon.Modify(tip);
  if (shown && iconRetrying_) s_.iconRetry.StopIconRetry();
  if (!shown && !iconRetrying_) s_.iconRetry.RequestIconRetry();
  iconRetrying_ = !shown;
}

void TrayApp::RefreshTrayIcon() { s_.icon.Modify(TrayTipText(PathCount_)); }

}  // namespace dm
