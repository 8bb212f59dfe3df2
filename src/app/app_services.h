#pragma once
// The desktop as the tray application sees it: the services its Win32 layer provides. Each
// group is small; tests stand in for all of them with one recording fake.

#include <cstddef>
#include <optional>
#include <string>

#include "app/icon_event.h"
#include "app/startup_settings.h"
#include "store/folder_list.h"
#include "ui/main/configure_menu.h"
#include "ui/main/folders_menu.h"

namespace dm {

// The notification-area icon. Every add and modify sends a full fill of the icon record; both
// tell whether the shell took it (an add fails while the shell is not ready, or when the icon is
// there already).
class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  virtual bool Add(const std::string& tip) = 0;
  virtual bool Modify(const std::string& tip) = 0;
  virtual void Remove() = 0;
  // A quiet notice from the icon (a balloon, or a toast where the system shows those instead):
  // title and one sentence of text; false where the shell did not take it.
  virtual bool ShowNotice(const std::string& title, const std::string& text) = 0;
};

// A repeating timer that asks for the icon again until the shell has taken it.
class IconRetry {
 public:
  virtual ~IconRetry() = default;
  // Starts the timer, or leaves it running; each tick calls TrayApp::OnIconRetryTick.
  virtual void RequestIconRetry() = 0;
  virtual void StopIconRetry() = 0;
};

// The one-shot timer that tells a single click from a double click.
class ClickTimer {
 public:
  virtual ~ClickTimer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual void StartClickTimer() = 0;
  virtual void StopClickTimer() = 0;
};

// The program's process and its place in the session.
class ProcessServices {
 public:
  virtual ~ProcessServices() = default;
  virtual bool AnotherCopyRunning() = 0;
  virtual void Beep() = 0;
  // Writes one line to the debug trace; the program's name goes before it and the line's end after.
  virtual void Trace(const std::string& line) = 0;
  virtual void SetPriority(ProcessPriority priority) = 0;
  // The user's double-click time in milliseconds.
  virtual int DoubleClickTime() = 0;
  // Closes the main window as the program itself (the close saves nothing).
  virtual void CloseMainWindow() = 0;
  // Ends the program at once, once the windows it closed are gone; the real one does not return.
  virtual void EndProgram() = 0;
};

// The windows and pop-up menus the tray opens.
class TrayWindows {
 public:
  virtual ~TrayWindows() = default;
  // Pops up the Folders menu at the given point, or at the pointer when none is given; returns the
  // choice of the entry chosen, None when none was.
  virtual FoldersMenuChoice PopUpFoldersMenu(const FoldersMenu& menu, std::optional<ScreenPoint> at) = 0;
  // Pops up the Configure menu at the given point, or at the pointer, with "&List..." as the bold
  // default entry.
  virtual ConfigureCommand PopUpConfigureMenu(const ConfigureMenu& menu, std::optional<ScreenPoint> at) = 0;
  // Opens the folder list editor over the list, or brings the open one forward. Never waits.
  virtual void ShowEditor() = 0;
  virtual bool EditorVisible() = 0;
  virtual void CloseEditor() = 0;
  // Shows the About box modally with the 64-character information line.
  virtual void ShowAboutBox(const std::string& aboutInfoText) = 0;
  virtual void CloseAboutBox() = 0;
};

}  // namespace dm
