#include "platform/win32/windows/main_window.h"

#include <string>
#include <utility>

#include "../../../../res/resource_ids.h"
#include "platform/win32/base/bindings.h"
#include "platform/win32/base/text_conversion.h"
#include "platform/win32/windows/display_scale.h"
#include "platform/win32/windows/message_filter.h"
#include "platform/win32/windows/pending_messages.h"
#include "platform/win32/windows/popup_menu.h"
#include "platform/win32/windows/screen_scale.h"
#include "platform/win32/windows/window_class.h"
#include "ui/twips.h"

namespace dm::win {

namespace {

// Nominal geometry of the hidden window and of the icon's callback window, in twips.
constexpr int kMainLeft = 1185, kMainTop = 1755, kMainWidth = 1980, kMainHeight = 495;
constexpr int kIconWindowLeft = 480, kIconWindowTop = 0, kIconWindowSize = 480;

// The double-click time the user set, from the system profile (in milliseconds).
constexpr char kProfileSection[] = "Windows";
constexpr char kDoubleClickSpeed[] = "DoubleClickSpeed";
constexpr int kDoubleClickSpeedDefault = 320;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, SettingsStore& store, PathDelivery& delivery)
    : instance_(instance),
      store_(store),
      app_(TrayAppServices{store, *this, *this, *this, *this, delivery, *this}) {}

MainWindow::~MainWindow() { SetUnexpectedFailureHandler({}); }

void MainWindow::RegisterClasses() {
  RegisterWindowClass(instance_, kClassName, Guarded<MainProc>, COLOR_BTNFACE);
  RegisterWindowClass(instance_, kIconWindowClassName, Guarded<IconWindowProc>, COLOR_WINDOW);
}

bool MainWindow::Create() {
  const int dpi = SystemDpi();
  programIcon_ = LoadIconAtSize(instance_, IDI_DASHMARKS, SystemMetricForDpi(SM_CXICON, dpi));
  programIconSmall_ = LoadIconAtSize(instance_, IDI_DASHMARKS, SystemMetricForDpi(SM_CXSMICON, dpi));
  RegisterClasses();

  const TwipsScale scale = ScreenScale();
  // A fixed dialog frame without minimise and maximise buttons; created hidden, never shown, and
  // as a tool window never listed in the taskbar.
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW, kClassName, L"",
                            WS_POPUP | WS_CAPTION | WS_SYSMENU, scale.ToPixelsX(kMainLeft),
                            scale.ToPixelsY(kMainTop), scale.ToPixelsX(kMainWidth),
                            scale.ToPixelsY(kMainHeight), nullptr, nullptr, instance_, this);
  if (window_ == nullptr) return false;
  iconWindow_ =
      CreateWindowExW(0, kIconWindowClassName, L"", WS_CHILD | WS_VISIBLE, scale.ToPixelsX(kIconWindowLeft),
                      scale.ToPixelsY(kIconWindowTop), scale.ToPixelsX(kIconWindowSize),
                      scale.ToPixelsY(kIconWindowSize), window_, nullptr, instance_, this);
  if (iconWindow_ == nullptr) return false;
  LoadTrayImage();
  icon_ = std::make_unique<NotifyIcon>(iconWindow_, trayImage_.Get());
  editor_ = std::make_unique<FolderEditorWindow>(
      FolderEditorContext{instance_, programIcon_.Get(), &app_.Folders(), [this] { app_.OnEditorClosed(); }});
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  // Run as administrator, the program still hears the shell: the icon's clicks on the window that
  // owns the icon, the shell's restart on the top-level window it is broadcast to.
  LetThroughFromLowerIntegrity(iconWindow_, NotifyIcon::kCallbackMessage);
  if (taskbarCreated_ != 0) LetThroughFromLowerIntegrity(window_, taskbarCreated_);
  if (!app_.Start()) return false;
  hotkey_ = std::make_unique<ForegroundHotkey>(window_, LoadHotkeySetting(store_));
  hotkey_->Start();
  // From here on, a handler that fails ends the program through its shutdown, which saves.
  SetUnexpectedFailureHandler([this] { app_.SaveAndExit(); });
  // The window's icons are set once the icon is in the tray: the window is never shown, and only
  // the editor and the About box copy its icon, long after. They are set here alone, not in the
  // window's class as well: the display driver converts a window's icons each time they are set.
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(programIcon_.Get()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(programIconSmall_.Get()));
  return true;
}

void MainWindow::LoadTrayImage() {
  // The notification area shows small icons, at the scale of the monitor the icon is on.
  const int size = SystemMetricForDpi(SM_CXSMICON, WindowDpi(window_));
  if (size == trayImageSize_ && trayImage_) return;
  UniqueIcon image = LoadIconAtSize(instance_, IDI_TRAY, size);
  if (!image) {
    OutputDebugStringW(L"Dashmarks: the tray image could not be loaded at its new size\n");
    return;
  }
  trayImage_ = std::move(image);
  trayImageSize_ = size;
  if (icon_) icon_->ChangeImage(trayImage_.Get());
  if (iconWindow_ != nullptr) InvalidateRect(iconWindow_, nullptr, TRUE);
}

bool MainWindow::TranslateDialogMessage(MSG& msg) { return editor_ && editor_->TranslateDialogMessage(msg); }

LRESULT CALLBACK MainWindow::MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = BoundObject<MainWindow>(window, message, lParam);
  if (self != nullptr && self->window_ == window) return self->OnMainMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::IconWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = BoundObject<MainWindow>(window, message, lParam);
  if (self != nullptr && self->iconWindow_ == window)
    return self->OnIconWindowMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // The shell restarted and lost every icon: without its icon the program could neither be used
    // nor ended, so it adds it again. The shell also says so when the display's scale changed: the
    // image is loaded again at the size the notification area now shows.
    LoadTrayImage();
    app_.OnTaskbarCreated();
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wParam == kClickTimerId) app_.OnClickTimerTick();
      if (wParam == kIconRetryTimerId) app_.OnIconRetryTick();
      return 0;
    case WM_HOTKEY:
      if (wParam == ForegroundHotkey::kHotkeyId && hotkey_) {
        if (const auto press = hotkey_->PressedIn()) app_.OnHotkey(press->window, press->at);
      }
      return 0;
    case WM_MENUCHAR:
      if (const auto answer = foldersMenuKeys_.OnMenuChar(window_, wParam, lParam)) return *answer;
      break;
    case FoldersMenuKeys::kAfterHighlightMessage:
      foldersMenuKeys_.AfterHighlight(window_, wParam);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) closingFromWindowMenu_ = true;
      break;
    case WM_CLOSE: {
      const bool fromMenu = closingFromWindowMenu_;
      closingFromWindowMenu_ = false;
      app_.OnClose(fromMenu ? CloseReason::WindowMenu : CloseReason::TaskList);
      DestroyWindow(window_);
      return 0;
    }
    case WM_DPICHANGED:
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      // The display's scale or the icon metrics may have changed.
      LoadTrayImage();
      break;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) app_.OnClose(CloseReason::EndSession);
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT MainWindow::OnIconWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      // The icon's callback.
      const IconNotification notice =
          IconEventFromCallback(wParam, lParam, icon_ && icon_->CurrentBehaviour());
      app_.OnIconEvent(notice.event, notice.anchor);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(iconWindow_, &paint);
      DrawIconEx(dc, 0, 0, trayImage_.Get(), 0, 0, 0, nullptr, DI_NORMAL);
      EndPaint(iconWindow_, &paint);
      return 0;
    }
    case WM_NCDESTROY: {
      // The window's last message: its default processing still needs the window's handle.
      const HWND hook = std::exchange(iconWindow_, nullptr);
      return DefWindowProcW(hook, message, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(iconWindow_, message, wParam, lParam);
}

bool MainWindow::Add(const std::string& tip) { return icon_ && icon_->Add(tip); }
bool MainWindow::Modify(const std::string& tip) { return icon_ && icon_->Modify(tip); }
void MainWindow::Delete() {
  if (icon_) icon_->Delete();
}

void MainWindow::SetInterval(int milliseconds) { timerInterval_ = milliseconds > 0 ? milliseconds : 1; }
void MainWindow::Enable() { SetTimer(window_, kClickTimerId, timerInterval_, nullptr); }
void MainWindow::Disable() { KillTimer(window_, kClickTimerId); }

bool MainWindow::AnotherCopyRunning() { return singleInstance_.AnotherCopyRunning(); }
void MainWindow::Beep() { MessageBeep(MB_OK); }

void MainWindow::Trace(const std::string& line) { OutputDebugStringW(Utf8ToWide(line + "\n").c_str()); }

void MainWindow::SetPriority(ProcessPriority priority) {
  DWORD priorityClass = NORMAL_PRIORITY_CLASS;
  if (priority == ProcessPriority::Idle) priorityClass = IDLE_PRIORITY_CLASS;
  if (priority == ProcessPriority::High) priorityClass = HIGH_PRIORITY_CLASS;
  bindings::SetPriorityClass(bindings::GetCurrentProcess(), priorityClass);
}

int MainWindow::DoubleClickTime() {
  return static_cast<int>(
      bindings::GetProfileIntA(kProfileSection, kDoubleClickSpeed, kDoubleClickSpeedDefault));
}

void MainWindow::CloseMainWindow() {
  app_.OnClose(CloseReason::Program);
  if (window_ != nullptr) DestroyWindow(window_);
}

void MainWindow::EndProgram() {
  // The windows just closed finish going before the process ends.
  RunPendingMessages();
  ExitProcess(0);
}

FoldersMenuChoice MainWindow::PopUpFoldersMenu(const FoldersMenu& menu, std::optional<ScreenPoint> at) {
  return TrackFoldersMenu(window_, menu, at, &foldersMenuKeys_);
}
ConfigureCommand MainWindow::PopUpConfigureMenu(const ConfigureMenu& menu, std::optional<ScreenPoint> at) {
  return TrackConfigureMenu(window_, menu, at);
}

void MainWindow::ShowEditor() { editor_->Show(); }
bool MainWindow::EditorVisible() { return editor_ && editor_->IsVisible(); }
void MainWindow::CloseEditor() {
  if (editor_) editor_->Close();
}

void MainWindow::ShowAboutBox(const std::string& aboutInfoText) {
  about_.ShowModal(instance_, window_, programIcon_.Get(), aboutInfoText);
}
void MainWindow::CloseAboutBox() { about_.Close(); }

void MainWindow::RequestIconRetry() {
  OutputDebugStringW(L"Dashmarks: the shell did not take the notification icon; asking again\n");
  SetTimer(window_, kIconRetryTimerId, kIconRetryMs, nullptr);
}
void MainWindow::StopIconRetry() { KillTimer(window_, kIconRetryTimerId); }

}  // namespace dm::win
