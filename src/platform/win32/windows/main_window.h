#pragma once
// The hidden main window. It is never shown; it owns the icon's callback window (a child that
// also holds the tray image), the click timer, the two pop-up menus, the folder list editor and
// the About box, and turns their messages into calls of the tray application.

#include <windows.h>

#include <memory>
#include <optional>

#include "app/app_services.h"
#include "app/tray_app.h"
#include "platform/win32/base/unique_handle.h"
#include "platform/win32/system/foreground_hotkey.h"
#include "platform/win32/system/notify_icon.h"
#include "platform/win32/system/single_instance.h"
#include "platform/win32/windows/about_window.h"
#include "platform/win32/windows/folder_editor_window.h"
#include "platform/win32/windows/folders_menu_keys.h"

namespace dm::win {

class MainWindow final : public TrayIcon,
                         public ClickTimer,
                         public ProcessServices,
                         public TrayWindows,
                         public IconRetry {
 public:
  static constexpr wchar_t kClassName[] = L"DashmarksMain";
  static constexpr wchar_t kIconWindowClassName[] = L"DashmarksHook";

  MainWindow(HINSTANCE instance, SettingsStore& store, PathDelivery& delivery);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden and runs the start-up. False when this copy must end.
  bool Create();
  // Gives an open editor its keyboard navigation.
  bool TranslateDialogMessage(MSG& msg);

  // TrayIcon
  bool Add(const std::string& tip) override;
  bool Modify(const std::string& tip) override;
  void Delete() override;

  // ClickTimer
  void SetInterval(int milliseconds) override;
  void Enable() override;
  void Disable() override;

  // ProcessServices
  bool AnotherCopyRunning() override;
  void Beep() override;
  void Trace(const std::string& line) override;
  void SetPriority(ProcessPriority priority) override;
  int DoubleClickTime() override;
  void CloseMainWindow() override;
  void EndProgram() override;

  // TrayWindows
  FoldersMenuChoice PopUpFoldersMenu(const FoldersMenu& menu, std::optional<ScreenPoint> at) override;
  ConfigureCommand PopUpConfigureMenu(const ConfigureMenu& menu, std::optional<ScreenPoint> at) override;
  void ShowEditor() override;
  bool EditorVisible() override;
  void CloseEditor() override;
  void ShowAboutBox(const std::string& aboutInfoText) override;
  void CloseAboutBox() override;

  // IconRetry
  void RequestIconRetry() override;
  void StopIconRetry() override;

 private:
  static constexpr UINT_PTR kClickTimerId = 1;
  static constexpr UINT_PTR kIconRetryTimerId = 2;
  static constexpr UINT kIconRetryMs = 2000;

  static LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK IconWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnIconWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void RegisterClasses();
  // Loads the tray image at the size the notification area shows at the icon's scale, when that
  // size changed; the icon, if shown, changes with it.
  void LoadTrayImage();

  HINSTANCE instance_;
  SettingsStore& store_;
  SingleInstance singleInstance_;
  UniqueIcon programIcon_;
  UniqueIcon programIconSmall_;
  UniqueIcon trayImage_;
  int trayImageSize_ = 0;      // pixels
  HWND window_ = nullptr;      // destroyed with the process or by the program's own close
  HWND iconWindow_ = nullptr;  // the icon's callback window, a child of window_
  UINT taskbarCreated_ = 0;
  UINT timerInterval_ = 0;
  bool closingFromWindowMenu_ = false;
  std::unique_ptr<NotifyIcon> icon_;
  std::unique_ptr<ForegroundHotkey> hotkey_;
  std::unique_ptr<FolderEditorWindow> editor_;
  AboutBox about_;
  FoldersMenuKeys foldersMenuKeys_;
  TrayApp app_;
};

}  // namespace dm::win
