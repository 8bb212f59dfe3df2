#include "platform/win32/windows/popup_menu.h"

#include "platform/win32/base/text_conversion.h"
#include "platform/win32/base/unique_handle.h"
#include "platform/win32/windows/menu_entry_fit.h"
#include "ui/main/folders_menu.h"

namespace dm::win {

namespace {

constexpr UINT kHeadingCommand = 1000;  // the folder at position i is command 1001 + i

// The menu took the front from previous: a menu closed without a choice gives it back, so that
// the user's next keys reach the window they came from and not the hidden owner.
void GiveFrontBack(HWND previous) {
  if (previous == nullptr || !IsWindow(previous)) return;
  if (!SetForegroundWindow(previous)) {
    OutputDebugStringW(L"Dashmarks: the window in front before the menu could not have the front back\n");
  }
}

// A notification-area menu closes on a click elsewhere only while the owner is the foreground
// window, and the menu loop needs one more message after it closes.
UINT_PTR TrackAt(HWND owner, HMENU menu, std::optional<ScreenPoint> at) {
  POINT pointer{};
  if (at) {
    pointer = {at->x, at->y};
  } else {
    GetCursorPos(&pointer);
  }
  const HWND previous = GetForegroundWindow();
  SetForegroundWindow(owner);
  const BOOL chosen =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, pointer.x, pointer.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen == 0 && previous != owner) {
    // Only while the owner still holds the front (or nobody does): a click elsewhere that closed
    // the menu gave the front to a window of the user's choice.
    const HWND front = GetForegroundWindow();
    if (front == owner || front == nullptr) GiveFrontBack(previous);
  }
  return static_cast<UINT_PTR>(chosen);
}

}  // namespace

std::optional<std::size_t> TrackFoldersMenu(HWND owner, const FolderList& folders,
                                            std::optional<ScreenPoint> at, FoldersMenuKeys* keys) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return std::nullopt;
  AppendMenuW(menu.Get(), MF_STRING | MF_GRAYED, kHeadingCommand, Utf8ToWide(folders_menu::kHeading).c_str());
  POINT pointer{};
  GetCursorPos(&pointer);
  const MenuEntryFit fit(pointer);
  for (std::size_t i = 0; i < folders.Count(); ++i) {
    // The caption goes in unescaped: an ampersand marks the accelerator in the displayed text. A
    // path too wide for the screen shows shortened; the chosen folder is still the whole path.
    const std::wstring caption = Utf8ToWide(fit.Fit(folders.At(i)));
    AppendMenuW(menu.Get(), MF_STRING | MF_ENABLED, kHeadingCommand + 1 + i, caption.c_str());
  }
  if (keys != nullptr) keys->Opened(menu.Get(), folders);
  const UINT_PTR command = TrackAt(owner, menu.Get(), at);
  if (keys != nullptr) keys->Closed();
  if (command <= kHeadingCommand || command > kHeadingCommand + folders.Count()) return std::nullopt;
  return command - kHeadingCommand - 1;
}

ConfigureCommand TrackConfigureMenu(HWND owner, const ConfigureMenu& model, std::optional<ScreenPoint> at) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return ConfigureCommand::None;
  for (const ConfigureMenuEntry& entry : ConfigureMenu::kEntries) {
    if (entry.command == ConfigureCommand::None) {
      AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (entry.command == ConfigureCommand::Clipboard && model.ClipboardChecked()) flags |= MF_CHECKED;
    AppendMenuW(menu.Get(), flags, static_cast<UINT_PTR>(entry.command), Utf8ToWide(entry.caption).c_str());
  }
  SetMenuDefaultItem(menu.Get(), static_cast<UINT>(ConfigureCommand::List), FALSE);
  const UINT_PTR command = TrackAt(owner, menu.Get(), at);
  switch (static_cast<ConfigureCommand>(command)) {
    case ConfigureCommand::List:
    case ConfigureCommand::Clipboard:
    case ConfigureCommand::About:
    case ConfigureCommand::Exit:
      return static_cast<ConfigureCommand>(command);
    default:
      return ConfigureCommand::None;
  }
}

}  // namespace dm::win
