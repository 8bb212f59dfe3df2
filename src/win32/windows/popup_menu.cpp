#include "win32/windows/popup_menu.h"

#include <vector>

#include "win32/base/text_conversion.h"
#include "win32/base/trace.h"
#include "win32/base/unique_handle.h"
#include "win32/windows/menu_entry_fit.h"

namespace dm::win {

namespace {

// The heading's command; the entries that can be chosen follow it, top to bottom and into each
// submenu where it stands, so the folder at position i of the list is command 1001 + i.
constexpr UINT kHeadingCommand = 1000;

// The menu took the front from previous: a menu closed without a choice gives it back, so that
// the user's next keys reach the window they came from and not the hidden owner.
void GiveFrontBack(HWND previous) {
  if (previous == nullptr || !IsWindow(previous)) return;
  if (!SetForegroundWindow(previous)) {
    Trace("the window in front before the menu could not have the front back");
  }
}

// Where a menu opens: at, or the pointer.
POINT Anchor(std::optional<ScreenPoint> at) {
  POINT pointer{};
  if (at) {
    pointer = {at->x, at->y};
  } else {
    GetCursorPos(&pointer);
  }
  return pointer;
}

// A notification-area menu closes on a click elsewhere only while the owner is the foreground
// window, and the menu loop needs one more message after it closes.
UINT_PTR TrackAt(HWND owner, HMENU menu, POINT anchor) {
  const HWND previous = GetForegroundWindow();
  SetForegroundWindow(owner);
  const BOOL chosen =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, anchor.x, anchor.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen == 0 && previous != owner) {
    // Only while the owner still holds the front (or nobody does): a click elsewhere that closed
    // the menu gave the front to a window of the user's choice.
    const HWND front = GetForegroundWindow();
    if (front == owner || front == nullptr) GiveFrontBack(previous);
  }
  return static_cast<UINT_PTR>(chosen);
}

// Appends items to menu; each entry that can be chosen gets the next command, and its choice goes
// to choices at the command's place after kHeadingCommand + 1. False when the menu could not take
// an item.
bool AppendItems(HMENU menu, const std::vector<FoldersMenuItem>& items, const MenuEntryFit& fit,
                 std::vector<FoldersMenuChoice>& choices) {
  for (const FoldersMenuItem& item : items) {
    // A path too wide for the screen shows shortened; the chosen folder is still the whole path. The
    // text goes in as the model gives it: an ampersand marks the access key in the displayed text.
    const std::wstring text = Utf8ToWide(fit.Fit(item.text));
    BOOL appended = FALSE;
    switch (item.kind) {
      case FoldersMenuItemKind::Heading:
        appended = AppendMenuW(menu, MF_STRING | MF_GRAYED, kHeadingCommand, text.c_str());
        break;
      case FoldersMenuItemKind::Separator:
        appended = AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        break;
      case FoldersMenuItemKind::Entry:
        choices.push_back(item.choice);
        appended = AppendMenuW(menu, MF_STRING | MF_ENABLED, kHeadingCommand + choices.size(), text.c_str());
        break;
      case FoldersMenuItemKind::Submenu: {
        UniqueMenu submenu(CreatePopupMenu());
        if (!submenu || !AppendItems(submenu.Get(), item.items, fit, choices)) return false;
        appended =
            AppendMenuW(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.Get()), text.c_str());
        // From here on the menu owns its submenu and destroys it with itself.
        if (appended) submenu.Release();
        break;
      }
    }
    if (!appended) return false;
  }
  return true;
}

}  // namespace

FoldersMenuChoice TrackFoldersMenu(HWND owner, const FoldersMenu& model, std::optional<ScreenPoint> at,
                                   FoldersMenuKeys* keys) {
  UniqueMenu menu(CreatePopupMenu());
  // The entries are fitted to the monitor the menu opens on, at its scale.
  const POINT anchor = Anchor(at);
  const MenuEntryFit fit(anchor);
  std::vector<FoldersMenuChoice> choices;
  if (!menu || !AppendItems(menu.Get(), model.items, fit, choices)) {
    Trace("the Folders menu could not be made");
    MessageBeep(MB_OK);
    return {};
  }
  if (keys != nullptr) keys->Opened(menu.Get(), model.keyFolders);
  const UINT_PTR command = TrackAt(owner, menu.Get(), anchor);
  if (keys != nullptr) keys->Closed();
  if (command <= kHeadingCommand || command > kHeadingCommand + choices.size()) return {};
  return choices[command - kHeadingCommand - 1];
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
    if (entry.command == ConfigureCommand::Clipboard && model.Mode() == DeliveryMode::Pasted)
      flags |= MF_CHECKED;
    AppendMenuW(menu.Get(), flags, static_cast<UINT_PTR>(entry.command), Utf8ToWide(entry.caption).c_str());
  }
  SetMenuDefaultItem(menu.Get(), static_cast<UINT>(ConfigureCommand::List), FALSE);
  const UINT_PTR command = TrackAt(owner, menu.Get(), Anchor(at));
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
