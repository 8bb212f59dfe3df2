#include "win32/windows/main_window.h"

#include <utility>

#include "resource_ids.h"
#include "ui/twips.h"
#include "win32/base/trace.h"
#include "win32/windows/display_scale.h"
#include "win32/windows/message_filter.h"
#include "win32/windows/screen_scale.h"

namespace dm::win {

namespace {

// Nominal geometry of the hidden window and of the icon's callback window, in twips.
constexpr int kMainLeft = 1185, kMainTop = 1755, kMainWidth = 1980, kMainHeight = 495;
constexpr int kIconWindowLeft = 480, kIconWindowTop = 0, kIconWindowSize = 480;

// A fixed dialog frame without minimise and maximise buttons; created hidden, never shown, and as
// a tool window never listed in the taskbar.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;

RECT PixelPlace(const TwipsScale& scale, int left, int top, int width, int height) {
  const int x = scale.ToPixelsX(left);
  const int y = scale.ToPixelsY(top);
  return {x, y, x + scale.ToPixelsX(width), y + scale.ToPixelsY(height)};
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, SettingsStore& store, NotifyIcon& icon, TrayPopups& popups,
                       Win32ProcessServices& process)
    : instance_(instance), store_(store), icon_(icon), popups_(popups), process_(process) {}

MainWindow::~MainWindow() { SetUnexpectedFailureHandler({}); }

bool MainWindow::Create(TrayApp& app) {
  app_ = &app;
  const int dpi = SystemDpi();
  programIcon_ = LoadIconAtSize(instance_, IDI_DASHMARKS, SystemMetricForDpi(SM_CXICON, dpi));
  programIconSmall_ = LoadIconAtSize(instance_, IDI_DASHMARKS, SystemMetricForDpi(SM_CXSMICON, dpi));

  const TwipsScale scale = ScreenScale();
  if (CreateBound({instance_, kClassName, COLOR_BTNFACE, kExStyle, kStyle, L"",
                   PixelPlace(scale, kMainLeft, kMainTop, kMainWidth, kMainHeight), nullptr}) == nullptr)
    return false;
  if (!iconWindow_.Create(
          instance_, Window(),
          PixelPlace(scale, kIconWindowLeft, kIconWindowTop, kIconWindowSize, kIconWindowSize), icon_, app))
    return false;
  icon_.SetOwner(iconWindow_.Window());
  LoadTrayImage();
  popups_.Attach(instance_, Window(), programIcon_.Get(), app);
  process_.SetMainWindow(Window());
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  // Run as administrator, the program still hears the shell: the icon's clicks on the window that
  // owns the icon, the shell's restart on the top-level window it is broadcast to.
  LetThroughFromLowerIntegrity(iconWindow_.Window(), NotifyIcon::kCallbackMessage);
  if (taskbarCreated_ != 0) LetThroughFromLowerIntegrity(Window(), taskbarCreated_);
  if (!app.Start()) return false;
  hotkey_ = std::make_unique<ForegroundHotkey>(Window(), LoadHotkeySetting(store_));
  hotkey_->Start();
  // From here on, a handler that fails ends the program through its shutdown, which saves.
  SetUnexpectedFailureHandler([&app] { app.SaveAndExit(); });
  // The window's icons are set once the icon is in the tray: the window is never shown, and only
  // the editor and the About box copy its icon, long after. They are set here alone, not in the
  // window's class as well: the display driver converts a window's icons each time they are set.
  SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(programIcon_.Get()));
  SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(programIconSmall_.Get()));
  return true;
}

void MainWindow::LoadTrayImage() {
  // The notification area shows small icons at the scale of its own monitor, the taskbar's, which
  // need not be the hidden window's.
  const int size = SystemMetricForDpi(SM_CXSMICON, TaskbarDpi());
  if (size == trayImageSize_ && trayImage_) return;
  UniqueIcon image = LoadIconAtSize(instance_, IDI_TRAY, size);
  if (!image) {
    Trace("the tray image could not be loaded at its new size");
    return;
  }
  trayImage_ = std::move(image);
  trayImageSize_ = size;
  icon_.ChangeImage(trayImage_.Get());
  iconWindow_.SetImage(trayImage_.Get());
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // The shell restarted and lost every icon: without its icon the program could neither be used
    // nor ended, so it adds it again. The shell also says so when the display's scale changed: the
    // image is loaded again at the size the notification area now shows.
    LoadTrayImage();
    app_->OnTaskbarCreated();
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wParam == kClickTimerId) app_->OnClickTimerTick();
      if (wParam == kIconRetryTimerId) app_->OnIconRetryTick();
      return 0;
    case WM_HOTKEY:
      if (wParam == ForegroundHotkey::kHotkeyId && hotkey_) {
        if (const auto press = hotkey_->PressedIn()) app_->OnHotkey(press->window, press->at);
      }
      return 0;
    case WM_MENUCHAR:
      if (const auto answer = popups_.MenuKeys().OnMenuChar(Window(), wParam, lParam)) return *answer;
      break;
    case FoldersMenuKeys::kAfterHighlightMessage:
      popups_.MenuKeys().AfterHighlight(Window(), wParam);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) closingFromWindowMenu_ = true;
      break;
    case WM_CLOSE: {
      const bool fromMenu = closingFromWindowMenu_;
      closingFromWindowMenu_ = false;
      app_->OnClose(fromMenu ? CloseReason::WindowMenu : CloseReason::TaskList);
      Destroy();
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
      if (wParam) app_->OnClose(CloseReason::EndSession);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefaultProcedure(message, wParam, lParam);
}

void MainWindow::SetInterval(int milliseconds) { timerInterval_ = milliseconds > 0 ? milliseconds : 1; }
void MainWindow::StartClickTimer() { SetTimer(Window(), kClickTimerId, timerInterval_, nullptr); }
void MainWindow::StopClickTimer() { KillTimer(Window(), kClickTimerId); }

void MainWindow::RequestIconRetry() {
  Trace("the shell did not take the notification icon; asking again");
  SetTimer(Window(), kIconRetryTimerId, kIconRetryMs, nullptr);
}
void MainWindow::StopIconRetry() { KillTimer(Window(), kIconRetryTimerId); }

}  // namespace dm::win
