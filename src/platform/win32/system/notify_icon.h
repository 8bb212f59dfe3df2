#pragma once
// The program's one notification-area icon, described by one record, and what its callbacks mean.

#include <windows.h>

#include "app/app_services.h"
#include "app/icon_event.h"
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
  // Shows icon instead (owned by the caller), at once where the icon is in the tray and at the next
  // add otherwise.
  void ChangeImage(HICON icon);

  const TrayIconRecord& Record() const { return record_; }

 private:
  // Every field of the record, the tip included, written afresh.
  void FillRecord(const std::string& tip);

  HWND owner_;
  HICON icon_;
  TrayIconRecord record_{};
};

// The icon's callback carries the mouse message of the click in lParam.
IconEvent IconEventFromCallback(LPARAM lParam);

}  // namespace dm::win
