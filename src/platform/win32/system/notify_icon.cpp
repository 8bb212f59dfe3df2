#include "platform/win32/system/notify_icon.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/base/text_conversion.h"

namespace dm::win {

void NotifyIcon::FillRecord(const std::string& tip) {
  record_.cbSize = sizeof(TrayIconRecord);
  record_.hWnd = owner_;
  record_.uID = kIconId;
  record_.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  record_.uCallbackMessage = kCallbackMessage;
  record_.hIcon = icon_;
  // The tip text, a NUL, and blanks in the rest of the 64-byte field.
  std::memset(record_.szTip, ' ', sizeof(record_.szTip));
  const std::string ansi = Utf8ToAnsi(tip);
  const size_t n = std::min(ansi.size(), sizeof(record_.szTip) - 1);
  std::memcpy(record_.szTip, ansi.data(), n);
  record_.szTip[n] = '\0';
}

bool NotifyIcon::Add(const std::string& tip) {
  FillRecord(tip);
  return bindings::Shell_NotifyIconA(NIM_ADD, &record_) != FALSE;
}

bool NotifyIcon::Modify(const std::string& tip) {
  FillRecord(tip);
  return bindings::Shell_NotifyIconA(NIM_MODIFY, &record_) != FALSE;
}

void NotifyIcon::Delete() {
  record_.cbSize = sizeof(TrayIconRecord);
  record_.hWnd = owner_;
  record_.uID = kIconId;
  bindings::Shell_NotifyIconA(NIM_DELETE, &record_);
}

void NotifyIcon::ChangeImage(HICON icon) {
  icon_ = icon;
  record_.cbSize = sizeof(TrayIconRecord);
  record_.hWnd = owner_;
  record_.uID = kIconId;
  record_.uFlags = NIF_ICON;
  record_.hIcon = icon_;
  // Fails, harmlessly, while the icon is not in the tray.
  bindings::Shell_NotifyIconA(NIM_MODIFY, &record_);
}

IconEvent IconEventFromCallback(LPARAM lParam) {
  switch (lParam) {
    case WM_LBUTTONUP:
      return IconEvent::LeftButtonUp;
    case WM_LBUTTONDBLCLK:
      return IconEvent::LeftDoubleClick;
    case WM_RBUTTONUP:
      return IconEvent::RightButtonUp;
    default:
      return IconEvent::Other;
  }
}

}  // namespace dm::win
