#pragma once
// The folder hotkey on the system: the foreground window followed with a window-event hook (and,
// until the hook has reported once, a look four times a second for a change of the foreground),
// the key registered for the main window (which receives WM_HOTKEY) only while a file dialog or an
// Explorer window is in front. A dialog that is no target yet when it comes to the front is
// looked at again on a timer of its own for a short while.

#include <windows.h>

#include <optional>

#include "app/folder_hotkey.h"
#include "app/icon_event.h"
#include "win32/base/unique_handle.h"
#include "win32/delivery/window_tree.h"

namespace dm::win {

class ForegroundHotkey final : public HotkeyRegistration {
 public:
  static constexpr int kHotkeyId = 1;

  // owner: the window that receives WM_HOTKEY with kHotkeyId.
  ForegroundHotkey(HWND owner, const HotkeySetting& setting);
  ~ForegroundHotkey() override;
  ForegroundHotkey(const ForegroundHotkey&) = delete;
  ForegroundHotkey& operator=(const ForegroundHotkey&) = delete;

  // Starts following the foreground (one object at a time does).
  void Start();

  struct Press {
    WindowHandle window = 0;
    std::optional<ScreenPoint> at;  // below the dialog's name box; nothing: at the pointer
  };
  // The window the key was pressed in, when it is still a file dialog or an Explorer window.
  std::optional<Press> PressedIn();

  bool Registered() const { return hotkey_.Registered(); }

  // HotkeyRegistration
  bool Register(const Hotkey& key) override;
  void Unregister() override;
  void Trace(const std::string& line) override;
  void StartLookingAgain() override;
  void StopLookingAgain() override;

 private:
  static constexpr UINT kPollMs = 250;

  static void CALLBACK OnWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                  DWORD thread, DWORD time);
  static void CALLBACK OnPollTick(HWND window, UINT message, UINT_PTR timer, DWORD time);
  static void CALLBACK OnLookAgainTick(HWND window, UINT message, UINT_PTR timer, DWORD time);
  void OnForeground(HWND front);
  void StopPolling();

  HWND owner_;
  Win32WindowTree tree_;
  FolderHotkey hotkey_;
  UniqueWinEventHook hook_;
  UINT_PTR pollTimer_ = 0;
  UINT_PTR lookAgainTimer_ = 0;
  HWND front_ = nullptr;  // the foreground window last seen
};

}  // namespace dm::win
