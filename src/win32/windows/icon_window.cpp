#include "win32/windows/icon_window.h"

#include "win32/base/device_context.h"

namespace dm::win {

bool IconWindow::Create(HINSTANCE instance, HWND parent, RECT place, const NotifyIcon& icon, TrayApp& app) {
  icon_ = &icon;
  app_ = &app;
  return CreateBound({instance, kClassName, COLOR_WINDOW, 0, WS_CHILD | WS_VISIBLE, L"", place, parent}) !=
         nullptr;
}

void IconWindow::SetImage(HICON image) {
  image_ = image;
  if (IsOpen()) InvalidateRect(Window(), nullptr, TRUE);
}

LRESULT IconWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case NotifyIcon::kCallbackMessage: {
      const IconNotification notice = IconEventFromCallback(wParam, lParam, icon_->CurrentBehaviour());
      app_->OnIconEvent(notice.event, notice.anchor);
      return 0;
    }
    case WM_PAINT: {
      const ScopedPaint paint(Window());
      DrawIconEx(paint.Dc(), 0, 0, image_, 0, 0, 0, nullptr, DI_NORMAL);
      return 0;
    }
    default:
      break;
  }
  return DefaultProcedure(message, wParam, lParam);
}

}  // namespace dm::win
