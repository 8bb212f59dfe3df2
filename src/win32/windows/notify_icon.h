#pragma once
// The program's one notification-area icon, described by one record, and what its callbacks mean.

#include <windows.h>

#include "app/app_services.h"
#include "app/icon_event.h"
#include "win32/base/bindings.h"

namespace dm::win {

class NotifyIcon final : public TrayIcon {
 public:
  static constexpr UINT kIconId = 1;
  static constexpr UINT kCallbackMessage = WM_MOUSEMOVE;

  // owner receives the icon's callbacks; icon is the picture it shows (owned by the caller).
  NotifyIcon(HWND owner, HICON icon) : owner_(owner), icon_(icon) {}
  // An icon whose window and picture come later (SetOwner, ChangeImage), before its first add: the
  // program hands it to the tray application before the window that receives its callbacks exists.
  NotifyIcon() = default;

  void SetOwner(HWND owner) { owner_ = owner; }

  bool Add(const std::string& tip) override;
  bool Modify(const std::string& tip) override;
  void Remove() override;
  // A balloon (NIF_INFO), without its own sound: the program beeps for itself.
  bool ShowNotice(const std::string& title, const std::string& text) override;
  // Shows icon instead (owned by the caller), at once where the icon is in the tray and at the next
  // add otherwise.
  void ChangeImage(HICON icon);

  const TrayIconRecord& Record() const { return record_; }
  // Whether the shell took the current notification behaviour (version 4) for the icon: its
  // callbacks then carry the event and the icon's id in lParam and the anchor point in wParam.
  bool CurrentBehaviour() const { return currentBehaviour_; }

 private:
  // Every field of the record, the tip included, written afresh.
  void FillRecord(const std::string& tip);
  // Asks the shell for version 4 of the notification behaviour, after an add.
  bool AskForCurrentBehaviour();

  HWND owner_ = nullptr;
  HICON icon_ = nullptr;
  TrayIconRecord record_{};
  bool currentBehaviour_ = false;
};

// The icon's callback: with the original behaviour lParam carries the mouse message of the click;
// with the current one (currentBehaviour) lParam carries the event in its low word and the icon's id
// in its high word, and wParam the anchor point on the screen.
IconNotification IconEventFromCallback(WPARAM wParam, LPARAM lParam, bool currentBehaviour);

}  // namespace dm::win
