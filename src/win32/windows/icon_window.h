#pragma once
// The icon's callback window: a child of the hidden main window that receives the notification
// icon's callbacks, turns them into the tray application's icon events, and shows the tray image.

#include <windows.h>

#include "app/tray_app.h"
#include "win32/windows/base_window.h"
#include "win32/windows/notify_icon.h"

namespace dm::win {

class IconWindow final : public BaseWindow<IconWindow> {
 public:
  static constexpr wchar_t kClassName[] = L"DashmarksHook";

  // The window at place (pixels) in parent; the callbacks of icon go to app.
  bool Create(HINSTANCE instance, HWND parent, RECT place, const NotifyIcon& icon, TrayApp& app);
  // Shows image (owned by the caller) from the next paint on.
  void SetImage(HICON image);

 private:
  friend class BaseWindow<IconWindow>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  const NotifyIcon* icon_ = nullptr;
  TrayApp* app_ = nullptr;
  HICON image_ = nullptr;
};

}  // namespace dm::win
