#include "platform/win32/system/notify_icon.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/base/text_conversion.h"

namespace dm::win {

void NotifyIcon::FullFill(const std::string& tip) {
  TrayIconData_.cbSize = sizeof(TrayIconRecord);
  TrayIconData_.hWnd = owner_;
  TrayIconData_.uID = kIconId;
  TrayIconData_.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  TrayIconData_.uCallbackMessage = kCallbackMessage;
  TrayIconData_.hIcon = icon_;
  // The tip text, a NUL, and blanks in the rest of the 64-byte field.
  std::memset(TrayIconData_.szTip, ' ', sizeof(TrayIconData_.szTip));
  const std::string ansi = Utf8ToAnsi(tip);
  const size_t n = std::min(ansi.size(), sizeof(TrayIconData_.szTip) - 1);
  std::memcpy(TrayIconData_.szTip, ansi.data(), n);
  TrayIconData_.szTip[n] = '\0';
}

bool NotifyIcon::Add(const std::string& tip) {
  FullFill(tip);
  return bindings::Shell_NotifyIconA(NIM_ADD, &TrayIconData_) != FALSE;
}

bool NotifyIcon::Modify(const std::string& tip) {
  FullFill(tip);
  return bindings::Shell_NotifyIconA(NIM_MODIFY, &TrayIconData_) != FALSE;
}

void NotifyIcon::Delete() {
  TrayIconData_.cbSize = sizeof(TrayIconRecord);
  TrayIconData_.hWnd = owner_;
  TrayIconData_.uID = kIconId;
  bindings::Shell_NotifyIconA(NIM_DELETE, &TrayIconData_);
}

}  // namespace dm::win
