#pragma once
// The program's one notification-area icon, described by one record (TrayIconData).

#include <windows.h>

#include "app/app_services.h"
#include "platform/win32/base/bindings.h"

namespace dm::win {

class NotifyIcon final : public TrayIcon {
 public:
  static constexpr UINT kIconId = 1;
  static constexpr UINT kCallbackMessage = WM_MOUSEMOVE;

  // owner receives the icon's callbacks; icon is the picture it shows (owned by the caller).
  NotifyIcon(HWND owner, HICON icon) : owner_(owner), icon_(icon) {}

  bool Add(const std::string& tip) override;
  bool Modify(const std::string& tip) override;
  void Delete() override;

  const TrayIconRecord& Record() const { return TrayIconData_; }

 private:
  void FullFill(const std::string& tip);

  HWND owner_;
  HICON icon_;
  TrayIconRecord TrayIconData_{};
};

}  // namespace dm::win
