#include "app/folder_hotkey.h"

#include <string>
#include <string_view>

#include "store/settings_keys.h"
#include "store/stored_settings.h"

namespace dm {

namespace {

// Longer than every class name compared here: a longer name, cut to this, still differs from them.
constexpr int kClassNameChars = 32;

}  // namespace

HotkeySetting LoadHotkeySetting(SettingsStore& store) {
  return HotkeySettingFromText(FindStoredValue(store, keys::kHotkey));
}

void FolderHotkey::Start(WindowHandle front) {
  if (setting_.choice == HotkeyChoice::Unreadable) {
    registration_.Trace("the \"Hotkey\" setting is not a key such as Ctrl+G; the hotkey is off");
  }
  OnForegroundChanged(front);
}

void FolderHotkey::OnForegroundChanged(WindowHandle front) {
  if (setting_.choice != HotkeyChoice::On || stopped_) return;
  Follow(front);
  if (front_ == 0 && MayBecomeTarget(front)) {
    waiting_ = front;
    looksLeft_ = kLookAgainTimes;
    registration_.StartLookingAgain();
  } else {
    StopWaiting();
  }
}

void FolderHotkey::LookAgain() {
  if (waiting_ == 0 || stopped_) {
    StopWaiting();
    return;
  }
  --looksLeft_;
  Follow(waiting_);
  if (front_ != 0 || looksLeft_ <= 0 || !tree_.Exists(waiting_)) StopWaiting();
}

void FolderHotkey::Follow(WindowHandle front) {
  const bool target = !TargetOfWindow(tree_, front).Empty();
  front_ = target ? front : 0;
  if (target && !registered_) {
    registered_ = registration_.Register(setting_.key);
    if (!registered_) {
      stopped_ = true;
      registration_.Trace(HotkeyText(setting_.key) + " is taken by another program; the hotkey is off");
    }
  } else if (!target && registered_) {
    registration_.Unregister();
    registered_ = false;
  }
}

bool FolderHotkey::MayBecomeTarget(WindowHandle front) {
  if (front == 0 || !tree_.Exists(front)) return false;
  const std::string className = tree_.ClassName(front, kClassNameChars);
  if (className == kDialogClass) return true;
  for (const ExplorerClass& explorer : kExplorerClasses) {
    if (className == explorer.className) return true;
  }
  return false;
}

void FolderHotkey::StopWaiting() {
  if (waiting_ == 0) return;
  waiting_ = 0;
  looksLeft_ = 0;
  registration_.StopLookingAgain();
}

void FolderHotkey::Stop() {
  StopWaiting();
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
