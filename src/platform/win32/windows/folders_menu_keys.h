#pragma once
// Gives the open Folders menu its keys (ui/main/folders_menu_keys.h): the window that owns the menu
// passes on WM_MENUCHAR, which the menu sends for a character no entry's access key takes.

#include <windows.h>

#include <optional>

#include "store/folder_list.h"

namespace dm::win {

class FoldersMenuKeys {
 public:
  // Posted by the answer to a letter to the menu's owner, which passes it on to AfterHighlight:
  // wParam is the item to be highlighted.
  static constexpr UINT kAfterHighlightMessage = WM_APP + 1;

  // The Folders menu menu, drawn from folders, is open from Opened until Closed.
  void Opened(HMENU menu, const FolderList& folders);
  void Closed();

  // The answer to WM_MENUCHAR for the open Folders menu; nothing for another menu.
  std::optional<LRESULT> OnMenuChar(HWND owner, WPARAM wParam, LPARAM lParam);
  // A menu that did not act on MNC_SELECT (Wine's does not) has its highlight moved here.
  void AfterHighlight(HWND owner, WPARAM item) const;

 private:
  HMENU menu_ = nullptr;
  const FolderList* folders_ = nullptr;
};

}  // namespace dm::win
