#include "win32/windows/notify_icon.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "win32/base/text_conversion.h"
#include "win32/base/trace.h"

namespace dm::win {

void NotifyIcon::FillRecord(const std::string& tip) {
  record_.cbSize = sizeof(TrayIconRecord);
  record_.hWnd = owner_;
  record_.uID = kIconId;
  record_.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  // The current behaviour shows the standard tip only when asked to.
  if (currentBehaviour_) record_.uFlags |= NIF_SHOWTIP;
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
  // A refused add leaves the behaviour as it was: a shell that kept the icon kept its version too.
  if (bindings::Shell_NotifyIconA(NIM_ADD, &record_) == FALSE) return false;
  currentBehaviour_ = false;
  if (AskForCurrentBehaviour()) {
    // The tip is shown again with the flag the current behaviour needs for it.
    FillRecord(tip);
    bindings::Shell_NotifyIconA(NIM_MODIFY, &record_);
  }
  return true;
}

bool NotifyIcon::AskForCurrentBehaviour() {
  // The version lives beyond the original record: the request goes in the longer one that has it.
  NOTIFYICONDATAA request{};
  request.cbSize = NOTIFYICONDATAA_V2_SIZE;
  request.hWnd = owner_;
  request.uID = kIconId;
  request.uVersion = NOTIFYICON_VERSION_4;
  currentBehaviour_ = bindings::Shell_NotifyIconA(NIM_SETVERSION, &request) != FALSE;
  if (!currentBehaviour_) {
    Trace("the shell keeps the original icon behaviour (no keyboard selection)");
  }
  return currentBehaviour_;
}

bool NotifyIcon::Modify(const std::string& tip) {
  FillRecord(tip);
  return bindings::Shell_NotifyIconA(NIM_MODIFY, &record_) != FALSE;
}

void NotifyIcon::Remove() {
  record_.cbSize = sizeof(TrayIconRecord);
  record_.hWnd = owner_;
  record_.uID = kIconId;
  bindings::Shell_NotifyIconA(NIM_DELETE, &record_);
  currentBehaviour_ = false;
}

bool NotifyIcon::ShowNotice(const std::string& title, const std::string& text) {
  // The balloon's fields live beyond the original record, in the longer one.
  NOTIFYICONDATAA notice{};
  notice.cbSize = NOTIFYICONDATAA_V2_SIZE;
  notice.hWnd = owner_;
  notice.uID = kIconId;
  notice.uFlags = NIF_INFO;
  notice.dwInfoFlags = NIIF_INFO | NIIF_NOSOUND;
  const std::string ansiText = Utf8ToAnsi(text);
  const std::string ansiTitle = Utf8ToAnsi(title);
  std::memcpy(notice.szInfo, ansiText.data(), std::min(ansiText.size(), sizeof(notice.szInfo) - 1));
  std::memcpy(notice.szInfoTitle, ansiTitle.data(),
              std::min(ansiTitle.size(), sizeof(notice.szInfoTitle) - 1));
  if (bindings::Shell_NotifyIconA(NIM_MODIFY, &notice) != FALSE) return true;
  Trace("the shell did not show the notice: " + text);
  return false;
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

namespace {

IconEvent MouseEvent(UINT message) {
  switch (message) {
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

}  // namespace

IconNotification IconEventFromCallback(WPARAM wParam, LPARAM lParam, bool currentBehaviour) {
  if (!currentBehaviour) return {MouseEvent(static_cast<UINT>(lParam)), std::nullopt};
  if (HIWORD(lParam) != NotifyIcon::kIconId) return {};
  const UINT message = LOWORD(lParam);
  const ScreenPoint anchor{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
  switch (message) {
    case NIN_SELECT:
      return {IconEvent::Select, anchor};
    case NIN_KEYSELECT:
      return {IconEvent::KeySelect, anchor};
    case WM_CONTEXTMENU:
      return {IconEvent::ContextMenu, anchor};
    default:
      // The mouse's clicks open their menus at the pointer, as with the original behaviour.
      return {MouseEvent(message), std::nullopt};
  }
}

}  // namespace dm::win
