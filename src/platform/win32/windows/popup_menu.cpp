#include "platform/win32/windows/popup_menu.h"

#include "platform/win32/base/text_conversion.h"
#include "platform/win32/base/unique_handle.h"

namespace dm::win {

namespace {

constexpr UINT kFirstPathCommand = 1000;  // mnuPath(i) is command 1000 + i

// A notification-area menu closes on a click elsewhere only while the owner is the foreground
// window, and the menu loop needs one more message after it closes.
UINT_PTR TrackAtPointer(HWND owner, HMENU menu) {
  POINT pointer{};
  GetCursorPos(&pointer);
  SetForegroundWindow(owner);
  const BOOL chosen =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, pointer.x, pointer.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  return static_cast<UINT_PTR>(chosen);
}

}  // namespace

std::size_t TrackFoldersMenu(HWND owner, const FoldersMenu& model) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return 0;
  for (std::size_t i = 0; i <= model.HighestIndex(); ++i) {
    const MenuEntry& entry = model.mnuPath(i);
    // The caption goes in unescaped: an ampersand marks the accelerator in the displayed text.
    const std::wstring caption = Utf8ToWide(entry.caption);
    AppendMenuW(menu.Get(), MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED), kFirstPathCommand + i,
                caption.c_str());
  }
  const UINT_PTR command = TrackAtPointer(owner, menu.Get());
  if (command <= kFirstPathCommand || command > kFirstPathCommand + model.HighestIndex()) return 0;
  return command - kFirstPathCommand;
}

ConfigureCommand TrackConfigureMenu(HWND owner, const ConfigureMenu& model) {
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
  const UINT_PTR command = TrackAtPointer(owner, menu.Get());
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
