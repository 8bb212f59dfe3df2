#include "app/folder_hotkey.h"

#include "store/settings_keys.h"

namespace dm {

HotkeySetting LoadHotkeySetting(SettingsStore& store) {
  return HotkeySettingFromText(store.Get(keys::kApplication, keys::kSection, keys::kHotkey));
}

void FolderHotkey::Start(WindowHandle front) {
  if (setting_.choice == HotkeyChoice::Unreadable) {
    registration_.Trace("Dashmarks: the \"Hotkey\" setting is not a key such as Ctrl+G; the hotkey is off");
  }
  OnForegroundChanged(front);
}

void FolderHotkey::OnForegroundChanged(WindowHandle front) {
  if (setting_.choice != HotkeyChoice::On || stopped_) return;
  const bool target = !TargetOfWindow(tree_, front).Empty();
  front_ = target ? front : 0;
  if (target && !registered_) {
    registered_ = registration_.Register(setting_.key);
    if (!registered_) {
      stopped_ = true;
      registration_.Trace("Dashmarks: " + HotkeyText(setting_.key) +
                          " is taken by another program; the hotkey is off");
    }
  } else if (!target && registered_) {
    registration_.Unregister();
    registered_ = false;
  }
}

void FolderHotkey::Stop() {
  if (registered_) registration_.Unregister();
  registered_ = false;
  stopped_ = true;
  front_ = 0;
}

std::optional<WindowTarget> FolderHotkey::PressedIn() {
  if (!registered_ || front_ == 0) return std::nullopt;
  const WindowTarget target = TargetOfWindow(tree_, front_);
  if (target.Empty()) return std::nullopt;
  return target;
}

}  // namespace dm
