#include "platform/win32/windows/main_window.h"

#include <string>
#include <utility>

#include "../../../../res/resource_ids.h"
#include "platform/win32/base/bindings.h"
#include "platform/win32/base/text_conversion.h"
#include "platform/win32/windows/popup_menu.h"
#include "platform/win32/windows/screen_scale.h"
#include "platform/win32/windows/window_class.h"
#include "ui/twips.h"

namespace dm::win {

namespace {

// Nominal geometry of the hidden window and of picHook, in twips.
constexpr int kMainLeft = 1185, kMainTop = 1755, kMainWidth = 1980, kMainHeight = 495;
constexpr int kHookLeft = 480, kHookTop = 0, kHookSize = 480;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, SettingsStore& store, PathDelivery& delivery)
    : instance_(instance), app_(TrayAppServices{store, *this, *this, *this, *this, delivery, *this}) {}

MainWindow::~MainWindow() { SetUnexpectedFailureHandler({}); }

void MainWindow::RegisterClasses() {
  RegisterWindowClass(instance_, kClassName, Guarded<MainProc>, COLOR_BTNFACE);
  RegisterWindowClass(instance_, kHookClassName, Guarded<HookProc>, COLOR_WINDOW);
}

bool MainWindow::Create() {
  programIcon_.Reset(
      static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_DASHMARKS), IMAGE_ICON, 32, 32, 0)));
  programIconSmall_.Reset(
      static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_DASHMARKS), IMAGE_ICON, 16, 16, 0)));
  trayImage_.Reset(
      static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON, 32, 32, 0)));
  RegisterClasses();

  const TwipsScale scale = ScreenScale();
  // A fixed dialog frame without minimise and maximise buttons; created hidden, never shown, and
  // as a tool window never listed in the taskbar.
  frmMain_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW, kClassName, L"",
                             WS_POPUP | WS_CAPTION | WS_SYSMENU, scale.ToPixelsX(kMainLeft),
                             scale.ToPixelsY(kMainTop), scale.ToPixelsX(kMainWidth),
                             scale.ToPixelsY(kMainHeight), nullptr, nullptr, instance_, this);
  if (frmMain_ == nullptr) return false;
  picHook_ = CreateWindowExW(0, kHookClassName, L"", WS_CHILD | WS_VISIBLE, scale.ToPixelsX(kHookLeft),
                             scale.ToPixelsY(kHookTop), scale.ToPixelsX(kHookSize),
                             scale.ToPixelsY(kHookSize), frmMain_, nullptr, instance_, this);
  if (picHook_ == nullptr) return false;
  icon_ = std::make_unique<NotifyIcon>(picHook_, trayImage_.Get());
  editor_ = std::make_unique<ListWindow>(ListWindowContext{
      instance_, programIcon_.Get(), &app_.Folders(), &app_.PathCount(), [this] { app_.RefreshTrayIcon(); }});
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  if (!app_.Start()) return false;
  // From here on, a handler that fails ends the program through its shutdown, which saves.
  SetUnexpectedFailureHandler([this] { app_.SaveAndExit(); });
  // The window's icons are set once the icon is in the tray: the window is never shown, and only
  // the editor and the About box copy its icon, long after. They are set here alone, not in the
  // window's class as well: the display driver converts a window's icons each time they are set.
  SendMessageW(frmMain_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(programIcon_.Get()));
  SendMessageW(frmMain_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(programIconSmall_.Get()));
  return true;
}

bool MainWindow::TranslateDialogMessage(MSG& msg) { return editor_ && editor_->TranslateDialogMessage(msg); }

LRESULT CALLBACK MainWindow::MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = BoundObject<MainWindow>(window, message, lParam);
  if (self != nullptr && self->frmMain_ == window) return self->OnMainMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = BoundObject<MainWindow>(window, message, lParam);
  if (self != nullptr && self->picHook_ == window) return self->OnHookMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // The shell restarted and lost every icon: without its icon the program could neither be used
    // nor ended, so it adds it again.
    app_.OnTaskbarCreated();
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wParam == kClickTimerId) app_.OnClickTimerTick();
      if (wParam == kIconRetryTimerId) app_.OnIconRetryTick();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) closingFromWindowMenu_ = true;
      break;
    case WM_CLOSE: {
      const bool fromMenu = closingFromWindowMenu_;
      closingFromWindowMenu_ = false;
      app_.OnClose(fromMenu ? CloseReason::WindowMenu : CloseReason::TaskList);
      DestroyWindow(frmMain_);
      return 0;
    }
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) app_.OnClose(CloseReason::EndSession);
      return 0;
    case WM_DESTROY:
      frmMain_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(frmMain_, message, wParam, lParam);
}

LRESULT MainWindow::OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      // The icon's callback: the mouse message number arrives in lParam.
      app_.OnTrayNotification(static_cast<int>(lParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(picHook_, &paint);
      DrawIconEx(dc, 0, 0, trayImage_.Get(), 0, 0, 0, nullptr, DI_NORMAL);
      EndPaint(picHook_, &paint);
      return 0;
    }
    case WM_NCDESTROY: {
      // The window's last message: its default processing still needs the window's handle.
      const HWND hook = std::exchange(picHook_, nullptr);
      return DefWindowProcW(hook, message, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(picHook_, message, wParam, lParam);
}

bool MainWindow::Add(const std::string& tip) { return icon_ && icon_->Add(tip); }
bool MainWindow::Modify(const std::string& tip) { return icon_ && icon_->Modify(tip); }
void MainWindow::Delete() {
  if (icon_) icon_->Delete();
}

void MainWindow::SetInterval(int milliseconds) { timerInterval_ = milliseconds > 0 ? milliseconds : 1; }
void MainWindow::Enable() { SetTimer(frmMain_, kClickTimerId, timerInterval_, nullptr); }
void MainWindow::Disable() { KillTimer(frmMain_, kClickTimerId); }

bool MainWindow::AnotherCopyRunning() { return singleInstance_.AnotherCopyRunning(); }
void MainWindow::Beep() { MessageBeep(MB_OK); }

void MainWindow::SetPriorityClass(int priorityClass) {
  bindings::SetPriorityClass(bindings::GetCurrentProcess(), static_cast<DWORD>(priorityClass));
}

int MainWindow::ProfileInt(std::string_view section, std::string_view key, int defaultValue) {
  return static_cast<int>(
      bindings::GetProfileIntA(Utf8ToAnsi(section).c_str(), Utf8ToAnsi(key).c_str(), defaultValue));
}

void MainWindow::ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (TranslateDialogMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void MainWindow::CloseMainWindow() {
  app_.OnClose(CloseReason::Program);
  if (frmMain_ != nullptr) DestroyWindow(frmMain_);
}

void MainWindow::EndProgram() { ExitProcess(0); }

std::size_t MainWindow::PopUpFoldersMenu(const FoldersMenu& menu) { return TrackFoldersMenu(frmMain_, menu); }
ConfigureCommand MainWindow::PopUpConfigureMenu(const ConfigureMenu& menu) {
  return TrackConfigureMenu(frmMain_, menu);
}

void MainWindow::ShowEditor() { editor_->Show(); }
bool MainWindow::EditorVisible() { return editor_ && editor_->IsVisible(); }
void MainWindow::CommitEditorIfOpen() {
  if (editor_) editor_->CommitIfOpen();
}
void MainWindow::CloseEditor() {
  if (editor_) editor_->Close();
}

void MainWindow::ShowAboutBox(const std::string& aboutInfoText) {
  about_.ShowModal(instance_, frmMain_, programIcon_.Get(), aboutInfoText);
}
void MainWindow::CloseAboutBox() { about_.Close(); }

void MainWindow::RequestIconRetry() {
  OutputDebugStringW(L"Dashmarks: the shell did not take the notification icon; asking again\n");
  SetTimer(frmMain_, kIconRetryTimerId, kIconRetryMs, nullptr);
}
void MainWindow::StopIconRetry() { KillTimer(frmMain_, kIconRetryTimerId); }

}  // namespace dm::win
