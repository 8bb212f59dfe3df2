#pragma once
// The tray application: start-up, the icon's click recognition, the two pop-up menus and their
// commands, the close rule and the one shutdown routine. It owns the path list (the Folders menu
// and PathCount) and the clipboard option (the mnuClipboard check mark) for the whole run.

#include <cstdint>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "app/close_rule.h"
#include "app/path_delivery.h"
#include "platform/settings_store.h"
#include "ui/main/configure_menu.h"
#include "ui/main/folders_menu.h"

namespace dm {

// Mouse message numbers the icon reports in its callback.
inline constexpr int kLeftButtonUp = 514;
inline constexpr int kLeftButtonDoubleClick = 515;
inline constexpr int kRightButtonUp = 517;

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

  // The main window's load event: refuses a second copy, then loads the path list, the
  // clipboard option, adds the icon, sets the priority class and the double-click interval.
  // Returns false when this copy must end (another copy runs).
  bool Start();

  // The icon's callback, carrying the mouse message number. Clicks that arrive while a chosen
  // path is being delivered are kept and answered, in order, when the delivery is over.
  void OnTrayNotification(int mouseMessage);
  void OnClickTimerTick();
  void OnConfigureCommand(ConfigureCommand command);
  // A chosen mnuPath entry.
  void OnPathChosen(std::size_t index);

  // The main window is about to close for the given reason. Never refuses.
  void OnClose(CloseReason reason);

  // Saves, removes the icon, closes the About box and the editor, processes pending messages and
  // ends the program.
  void SaveAndExit();

  // The shell restarted and lost its icons: the icon is added again with a full fill (or
  // modified, when the shell kept it).
  void OnTaskbarCreated();
  // The icon retry timer: the shell did not take the icon earlier (at logon it is often not ready).
  void OnIconRetryTick();

  // Full fill of the icon record and a modify, so the tip shows the current count (the editor
  // calls it when it closes).
  void RefreshTrayIcon();

  FoldersMenu& Folders() { return mnuFolders_; }
  const FoldersMenu& Folders() const { return mnuFolders_; }
  ConfigureMenu& Configure() { return mnuMain_; }
  std::uint8_t& PathCount() { return PathCount_; }
  int TrayMessage() const { return TrayMessage_; }
  bool TrayBusy() const { return TrayBusy_; }
  const std::string& AboutInfo() const { return AboutInfoText_; }

 private:
  TrayAppServices s_;
  std::uint8_t PathCount_ = 0;
  FoldersMenu mnuFolders_;
  ConfigureMenu mnuMain_;
  int TrayMessage_ = 0;
  bool TrayBusy_ = false;
  static constexpr std::size_t kMaxDeferredClicks = 4;
  bool delivering_ = false;
  std::vector<int> deferredClicks_;
  std::string AboutInfoText_;
  bool iconRetrying_ = false;

  // Adds the icon, or modifies it when it is there already; asks for a retry when neither worked.
  void ShowIcon();
};

}  // namespace dm
