#pragma once
// The tray application: start-up, the icon's click recognition, the two pop-up menus and their
// commands, the close rule and the one shutdown routine. It owns the folder list, the recent
// folders and the clipboard option (the check mark of the Configure menu's "&Clipboard") for the
// whole run.

#include <cstddef>
#include <optional>
#include <vector>

#include "app/app_services.h"
#include "app/close_rule.h"
#include "app/icon_event.h"
#include "deliver/path_delivery.h"
#include "platform/settings_store.h"
#include "store/folder_list.h"
#include "store/recent_folders.h"
#include "ui/main/configure_menu.h"
#include "ui/main/folders_menu.h"

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
  explicit TrayApp(TrayAppServices services) : services_(services) {}

  // The program's start: refuses a second copy, then loads the folder list, the recent folders and
  // the clipboard option, adds the icon, sets the priority and the double-click interval. Returns false when
  // this copy must end (another copy runs).
  bool Start();

  // An event of the icon, with the point the shell anchors it at when it gives one. Clicks that
  // arrive while a chosen folder is being delivered are kept and answered, in order, when the
  // delivery is over. The mouse's clicks are told apart as always: a single click opens the
  // Folders menu at the pointer one double-click interval later, a double click the editor, a
  // right click the Configure menu. The keyboard's selection opens the Folders menu at once and
  // its menu key the Configure menu, each at the anchor. The selection and the menu request the
  // shell sends right after a left or right click belong to that click and get no answer.
  void OnIconEvent(IconEvent event, std::optional<ScreenPoint> anchor = std::nullopt);
  // The folder hotkey was pressed in window, a file dialog or an Explorer window: the Folders
  // menu opens at the given point (at the pointer when none is given) and the folder chosen goes
  // to that window alone.
  void OnHotkey(WindowHandle window, std::optional<ScreenPoint> at);
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
  // The folders delivered last, newest first.
  const RecentFolders& Recent() const { return recent_; }

 private:
  void OpenEditor();
  // Pops up the Folders menu, unless the list is empty or the editor is open; the entry chosen.
  // target: the window the folder will go to (the folder hotkey's), 0 for the delivery's search;
  // the menu offers what it and the folder windows show.
  FoldersMenuChoice ChooseFolder(std::optional<ScreenPoint> at, WindowHandle target = 0);
  // Adds folder to the list and stores the list at once; a beep when it cannot.
  void AddShownFolder(const std::string& folder);
  // target: the window a chosen folder goes to, or 0 for the delivery's own search.
  void OnFolderChosen(const FoldersMenuChoice& choice, WindowHandle target);
  // Delivers path; a folder delivered goes to the top of the recent folders, which are stored. A
  // folder not delivered is a choice of the user's that came to nothing: it is said with a beep
  // and in the trace.
  void Deliver(const std::string& path, WindowHandle target);
  // The event as answered: the mouse's own selection and menu request become Other.
  IconEvent InterpretIconEvent(IconEvent event);
  void HandleNotification(const IconNotification& notification);

  static constexpr std::size_t kMaxDeferredClicks = 4;

  TrayAppServices services_;
  FolderList folders_;
  RecentFolders recent_;
  bool notices_ = true;  // a failed delivery shows a notice from the icon ("Notify")
  ConfigureMenu configureMenu_;
  // Set while a pop-up menu or the About box of the icon's own is on screen: their message loops
  // hand this object further icon events, which are then dropped.
  bool answeringIcon_ = false;
  bool delivering_ = false;
  std::vector<IconNotification> deferredClicks_;
  // The last event other than Other, as it arrived.
  IconEvent lastEvent_ = IconEvent::Other;
  bool iconRetrying_ = false;

  // Adds the icon, or modifies it when it is there already; asks for a retry when neither worked.
  void ShowIcon();
};

}  // namespace dm
