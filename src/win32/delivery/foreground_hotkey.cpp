#include "win32/delivery/foreground_hotkey.h"

#include <utility>

#include "win32/base/text_conversion.h"
#include "win32/base/trace.h"

namespace dm::win {
namespace {

// The window-event callback names no object: the one object that follows the foreground.
ForegroundHotkey* following = nullptr;

WindowHandle Handle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

UINT VirtualKeyOf(const Hotkey& key) {
  if (key.functionKey != 0) return VK_F1 + static_cast<UINT>(key.functionKey - 1);
  return static_cast<unsigned char>(key.key);  // 'A'..'Z' and '0'..'9' are their own key codes
}

UINT ModifiersOf(const Hotkey& key) {
  UINT modifiers = 0;
  if (key.ctrl) modifiers |= MOD_CONTROL;
  if (key.alt) modifiers |= MOD_ALT;
  if (key.shift) modifiers |= MOD_SHIFT;
  if (key.win) modifiers |= MOD_WIN;
  return modifiers;
}

bool IsComboBox(HWND window) {
  wchar_t name[32] = L"";
  GetClassNameW(window, name, 32);
  return lstrcmpiW(name, L"ComboBox") == 0 || lstrcmpiW(name, L"ComboBoxEx32") == 0;
}

}  // namespace

ForegroundHotkey::ForegroundHotkey(HWND owner, const HotkeySetting& setting)
    : owner_(owner), hotkey_(tree_, *this, setting) {}

ForegroundHotkey::~ForegroundHotkey() {
  StopPolling();
  hook_.Reset();
  if (following == this) following = nullptr;
  hotkey_.Stop();
  StopLookingAgain();
}

void ForegroundHotkey::Start() {
  following = this;
  hook_.Reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnWinEvent, 0, 0,
                              WINEVENT_OUTOFCONTEXT));
  if (!hook_) {
    Trace("the foreground window cannot be followed; the hotkey is off");
    hotkey_.Stop();
    return;
  }
  // Until the hook reports its first change, the foreground is also looked at now and then: some
  // systems (Wine) take the hook and never report to it.
  pollTimer_ = SetTimer(nullptr, 0, kPollMs, OnPollTick);
  front_ = GetForegroundWindow();
  hotkey_.Start(Handle(front_));
}

void CALLBACK ForegroundHotkey::OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD,
                                           DWORD) {
  if (event != EVENT_SYSTEM_FOREGROUND || object != OBJID_WINDOW || following == nullptr) return;
  following->StopPolling();
  following->OnForeground(window);
}

void CALLBACK ForegroundHotkey::OnPollTick(HWND, UINT, UINT_PTR, DWORD) {
  // The poll stands in for the hook: it reports changes of the foreground, nothing more.
  if (following == nullptr) return;
  const HWND front = GetForegroundWindow();
  if (front != following->front_) following->OnForeground(front);
}

void CALLBACK ForegroundHotkey::OnLookAgainTick(HWND, UINT, UINT_PTR, DWORD) {
  if (following == nullptr) return;
  // A change the hook or the poll has not reported yet is followed first: the key is never taken
  // for a dialog that has left the front.
  const HWND front = GetForegroundWindow();
  if (front != following->front_) {
    following->OnForeground(front);
  } else {
    following->hotkey_.LookAgain();
  }
}

void ForegroundHotkey::OnForeground(HWND front) {
  // The hook may report the window already in front again: while it holds the key, nothing changed.
  if (front == front_ && hotkey_.Registered()) return;
  front_ = front;
  hotkey_.OnForegroundChanged(Handle(front));
}

void ForegroundHotkey::StopPolling() {
  if (pollTimer_ != 0) KillTimer(nullptr, std::exchange(pollTimer_, 0));
}

std::optional<ForegroundHotkey::Press> ForegroundHotkey::PressedIn() {
  const std::optional<WindowTarget> target = hotkey_.PressedIn();
  if (!target) return std::nullopt;
  if (target->explorer.window != 0) return Press{target->explorer.window, std::nullopt};
  Press press{target->dialog.dialog, std::nullopt};
  // Below the box as the user sees it: the combo box around the edit field, where there is one.
  HWND box = reinterpret_cast<HWND>(target->dialog.nameBox);
  for (HWND parent = GetParent(box); parent != nullptr && IsComboBox(parent); parent = GetParent(parent))
    box = parent;
  RECT rect{};
  if (GetWindowRect(box, &rect)) press.at = ScreenPoint{rect.left, rect.bottom};
  return press;
}

bool ForegroundHotkey::Register(const Hotkey& key) {
  return RegisterHotKey(owner_, kHotkeyId, ModifiersOf(key), VirtualKeyOf(key)) != FALSE;
}

void ForegroundHotkey::Unregister() { UnregisterHotKey(owner_, kHotkeyId); }

void ForegroundHotkey::StartLookingAgain() {
  if (lookAgainTimer_ != 0) return;
  lookAgainTimer_ = SetTimer(nullptr, 0, FolderHotkey::kLookAgainMs, OnLookAgainTick);
  if (lookAgainTimer_ == 0) Trace("a dialog in front cannot be looked at again for its name box");
}

void ForegroundHotkey::StopLookingAgain() {
  if (lookAgainTimer_ != 0) KillTimer(nullptr, std::exchange(lookAgainTimer_, 0));
}

void ForegroundHotkey::Trace(const std::string& line) { win::Trace(line); }

}  // namespace dm::win
