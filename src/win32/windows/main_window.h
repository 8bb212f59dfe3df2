#pragma once
// The hidden main window. It is never shown; it holds the icon's callback window (a child), runs
// the click timer and the icon's retry timer, owns the pop-up menus and the About box, and turns
// the shell's and the session's messages into calls of the tray application.

#include <windows.h>

#include <memory>

#include "app/app_services.h"
#include "app/tray_app.h"
#include "win32/base/unique_handle.h"
#include "win32/delivery/foreground_hotkey.h"
#include "win32/system/process_services.h"
#include "win32/windows/base_window.h"
#include "win32/windows/icon_window.h"
#include "win32/windows/notify_icon.h"
#include "win32/windows/tray_popups.h"

namespace dm::win {

class MainWindow final : public BaseWindow<MainWindow>, public ClickTimer, public IconRetry {
 public:
  static constexpr wchar_t kClassName[] = L"DashmarksMain";

  // icon, popups and process are the program's, given to the tray application as well.
  MainWindow(HINSTANCE instance, SettingsStore& store, NotifyIcon& icon, TrayPopups& popups,
             Win32ProcessServices& process);
  ~MainWindow() override;

  // Creates the window hidden and runs app's start-up. False when this copy must end.
  bool Create(TrayApp& app);

  // ClickTimer
  void SetInterval(int milliseconds) override;
  void StartClickTimer() override;
  void StopClickTimer() override;

  // IconRetry
  void RequestIconRetry() override;
  void StopIconRetry() override;

 private:
  friend class BaseWindow<MainWindow>;
  static constexpr UINT_PTR kClickTimerId = 1;
  static constexpr UINT_PTR kIconRetryTimerId = 2;
  static constexpr UINT kIconRetryMs = 2000;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Loads the tray image at the size the notification area shows at its monitor's scale, when that
  // size changed; the icon, if shown, changes with it.
  void LoadTrayImage();

  HINSTANCE instance_;
  SettingsStore& store_;
  NotifyIcon& icon_;
  TrayPopups& popups_;
  Win32ProcessServices& process_;
  TrayApp* app_ = nullptr;  // set by Create
  UniqueIcon programIcon_;
  UniqueIcon programIconSmall_;
  UniqueIcon trayImage_;
  int trayImageSize_ = 0;  // pixels
  IconWindow iconWindow_;
  UINT taskbarCreated_ = 0;
  UINT timerInterval_ = 0;
  bool closingFromWindowMenu_ = false;
  std::unique_ptr<ForegroundHotkey> hotkey_;
};

}  // namespace dm::win
