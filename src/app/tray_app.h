#pragma once
// The tray application: start-up, the icon's click recognition, the two pop-up menus and their
// commands, the close rule and the one shutdown routine. It owns the folder list and the
// clipboard option (the check mark of the Configure menu's "&Clipboard") for the whole run.

#include <cstddef>
#include <vector>

#include "app/app_services.h"
#include "app/close_rule.h"
#include "app/icon_event.h"
#include "app/path_delivery.h"
#include "platform/settings_store.h"
#include "store/folder_list.h"
#include "ui/main/configure_menu.h"

namespace dm {

struct TrayAppServices {
  SettingsStore& store;
  TrayIcon& icon;
  ClickTimer& timer;
  ProcessServices& process;
  TrayWindows& windows;
  PathDelivery& delivery;
  IconRetry& iconRetry;
};

class TrayApp {
 public:
  explicit TrayApp(TrayAppServices services) : s_(services) {}

  // The program's start: refuses a second copy, then loads the folder list and the clipboard
  // option, adds the icon, sets the priority and the double-click interval. Returns false when
  // this copy must end (another copy runs).
  bool Start();

  // An event of the icon. Clicks that arrive while a chosen folder is being delivered are kept
  // and answered, in order, when the delivery is over.
  void OnIconEvent(IconEvent event);
  void OnClickTimerTick();
  void OnConfigureCommand(ConfigureCommand command);

  // The main window is about to close for the given reason. Never refuses.
  void OnClose(CloseReason reason);

  // Saves, removes the icon, closes the About box and the editor and ends the program. The list
  // saved is the one the editor shows, whatever the editor is doing at the time.
  void SaveAndExit();

  // The shell restarted and lost its icons: the icon is added again with a full fill (or
  // modified, when the shell kept it).
  void OnTaskbarCreated();
  // The icon retry timer: the shell did not take the icon earlier (at logon it is often not ready).
  void OnIconRetryTick();

  // The editor closed: the list it leaves is stored at once (only what changed), so that a
  // program ended by force later loses nothing, and the icon's tip shows the new count.
  void OnEditorClosed();

  // The list the editor edits and shows.
  FolderList& Folders() { return folders_; }

 private:
  void OpenEditor();
  void OnFolderChosen(std::size_t index);

  static constexpr std::size_t kMaxDeferredClicks = 4;

  TrayAppServices s_;
  FolderList folders_;
  ConfigureMenu configureMenu_;
  // Set while a pop-up menu or the About box of the icon's own is on screen: their message loops
  // hand this object further icon events, which are then dropped.
  bool answeringIcon_ = false;
  bool delivering_ = false;
  std::vector<IconEvent> deferredClicks_;
  bool iconRetrying_ = false;

  // Adds the icon, or modifies it when it is there already; asks for a retry when neither worked.
  void ShowIcon();
};

}  // namespace dm
