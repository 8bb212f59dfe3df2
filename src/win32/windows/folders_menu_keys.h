#pragma once
// Gives the open Folders menu its keys (ui/main/folders_menu_keys.h): the window that owns the menu
// passes on WM_MENUCHAR, which the menu sends for a character no entry's access key takes.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace dm::win {

class FoldersMenuKeys {
 public:
  // Posted by the answer to a letter to the menu's owner, which passes it on to AfterHighlight:
  // wParam is the item to be highlighted.
  static constexpr UINT kAfterHighlightMessage = WM_APP + 1;

  // The Folders menu menu is open from Opened until Closed; folders are its items 1 to n, the
  // folders the keys find (FoldersMenu::keyFolders), and stay until Closed.
  void Opened(HMENU menu, const std::vector<std::string>& folders);
  void Closed();

  // The answer to WM_MENUCHAR for the open Folders menu; nothing for another menu.
  std::optional<LRESULT> OnMenuChar(HWND owner, WPARAM wParam, LPARAM lParam);
  // A menu that did not act on MNC_SELECT (Wine's does not) has its highlight moved here.
  void AfterHighlight(HWND owner, WPARAM item) const;

 private:
  HMENU menu_ = nullptr;
  const std::vector<std::string>* folders_ = nullptr;
};

}  // namespace dm::win
