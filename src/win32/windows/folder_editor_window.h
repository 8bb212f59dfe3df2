#pragma once
// The folder list editor: a modeless window that shows the folder list and edits it in place.

#include <windows.h>

#include <functional>
#include <memory>

#include "store/folder_list.h"

namespace dm::win {

struct FolderEditorContext {
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;            // the main window's icon, copied when the editor opens
  FolderList* folders = nullptr;   // the list shown and edited, owned by the tray application
  std::function<void()> onClosed;  // the editor closed (the tip shows the new count)
};

class FolderEditorWindow {
 public:
  explicit FolderEditorWindow(FolderEditorContext context);
  ~FolderEditorWindow();
  FolderEditorWindow(const FolderEditorWindow&) = delete;
  FolderEditorWindow& operator=(const FolderEditorWindow&) = delete;

  // Creates and shows the editor, or brings the open one forward. Never waits.
  void Show();
  bool IsVisible() const;
  // Closes the editor if open. The list needs nothing copied back: the editor changed it in place.
  void Close();
  // Routes keyboard navigation (Tab, Enter, Esc, Alt+P) of the open editor; true when handled.
  bool TranslateDialogMessage(MSG& msg);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace dm::win
