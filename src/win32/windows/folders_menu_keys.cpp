#include "win32/windows/folders_menu_keys.h"

#include <cstddef>

#include "ui/main/folders_menu_keys.h"
#include "win32/base/trace.h"

namespace dm::win {

namespace {

bool Highlighted(HMENU menu, UINT item) {
  const UINT state = GetMenuState(menu, item, MF_BYPOSITION);
  return state != static_cast<UINT>(-1) && (state & MF_HILITE) != 0;
}

std::optional<std::size_t> HighlightedItem(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (Highlighted(menu, static_cast<UINT>(i))) return static_cast<std::size_t>(i);
  }
  return std::nullopt;
}

}  // namespace

void FoldersMenuKeys::Opened(HMENU menu, const std::vector<std::string>& folders) {
  menu_ = menu;
  folders_ = &folders;
}

void FoldersMenuKeys::Closed() {
  menu_ = nullptr;
  folders_ = nullptr;
}

std::optional<LRESULT> FoldersMenuKeys::OnMenuChar(HWND owner, WPARAM wParam, LPARAM lParam) {
  if (menu_ == nullptr || folders_ == nullptr || reinterpret_cast<HMENU>(lParam) != menu_)
    return std::nullopt;
  const wchar_t unit = LOWORD(wParam);
  // Half of a surrogate pair is no character of its own.
  const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
  const folders_menu::KeyAnswer answer =
      surrogate ? folders_menu::KeyAnswer{}
                : folders_menu::AnswerKey(static_cast<char32_t>(unit), *folders_, HighlightedItem(menu_));
  const auto item = static_cast<WORD>(answer.item);
  switch (answer.action) {
    case folders_menu::KeyAction::Choose:
      return MAKELRESULT(item, MNC_EXECUTE);
    case folders_menu::KeyAction::Highlight:
      PostMessageW(owner, kAfterHighlightMessage, item, 0);
      return MAKELRESULT(item, MNC_SELECT);
    case folders_menu::KeyAction::Ignore:
      break;
  }
  return MAKELRESULT(0, MNC_IGNORE);
}

void FoldersMenuKeys::AfterHighlight(HWND owner, WPARAM item) const {
  if (menu_ == nullptr || item >= static_cast<WPARAM>(GetMenuItemCount(menu_))) return;
  const auto position = static_cast<UINT>(item);
  if (Highlighted(menu_, position)) return;
  if (!HiliteMenuItem(owner, menu_, position, MF_BYPOSITION | MF_HILITE)) {
    Trace("the Folders menu's highlight could not be moved");
  }
}

}  // namespace dm::win
