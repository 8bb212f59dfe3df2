#pragma once
// The windows and pop-up menus the tray application opens: the Folders and Configure menus, owned
// by the hidden main window, the folder list editor and the About box.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/app_services.h"
#include "app/tray_app.h"
#include "win32/windows/about_box.h"
#include "win32/windows/folder_editor_window.h"
#include "win32/windows/folders_menu_keys.h"

namespace dm::win {

class TrayPopups final : public TrayWindows {
 public:
  // owner is the hidden main window, which owns the menus and the About box; icon is its program
  // icon, for a window that loads none at its own scale. The editor edits app's list.
  void Attach(HINSTANCE instance, HWND owner, HICON icon, TrayApp& app);
  // Gives an open editor its keyboard navigation.
  bool TranslateDialogMessage(MSG& msg);
  // The open Folders menu's keys: the owner passes on the menu's messages.
  FoldersMenuKeys& MenuKeys() { return foldersMenuKeys_; }

  FoldersMenuChoice PopUpFoldersMenu(const FoldersMenu& menu, std::optional<ScreenPoint> at) override;
  ConfigureCommand PopUpConfigureMenu(const ConfigureMenu& menu, std::optional<ScreenPoint> at) override;
  void ShowEditor() override;
  bool EditorVisible() override;
  void CloseEditor() override;
  void ShowAboutBox(const std::string& aboutInfoText) override;
  void CloseAboutBox() override;

 private:
  HINSTANCE instance_ = nullptr;
  HWND owner_ = nullptr;
  HICON icon_ = nullptr;
  std::unique_ptr<FolderEditorWindow> editor_;
  AboutBox about_;
  FoldersMenuKeys foldersMenuKeys_;
};

}  // namespace dm::win
