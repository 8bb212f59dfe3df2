#pragma once
// frmList, the path list editor: a modeless window over the Folders menu and the path count.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "ui/main/folders_menu.h"

namespace dm::win {

struct ListWindowContext {
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;  // the main window's icon, copied when the editor opens
  FoldersMenu* menu = nullptr;
  std::uint8_t* pathCount = nullptr;
  std::function<void()> refreshTrayIcon;  // full fill of the icon record and NIM_MODIFY
};

class ListWindow {
 public:
  explicit ListWindow(ListWindowContext context);
  ~ListWindow();
  ListWindow(const ListWindow&) = delete;
  ListWindow& operator=(const ListWindow&) = delete;

  // Creates and shows the editor, or brings the open one forward. Never waits.
  void Show();
  bool IsVisible() const;
  // The open editor's window, or nullptr.
  HWND Handle() const;
  // Closes the editor if open; closing always commits the list to the Folders menu.
  void Close();
  // Commits the open editor's list to the Folders menu without closing it (shutdown saves what
  // the editor shows).
  void CommitIfOpen();
  // Routes keyboard navigation (Tab, Enter, Esc, Alt+P) of the open editor; true when handled.
  bool TranslateDialogMessage(MSG& msg);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace dm::win
