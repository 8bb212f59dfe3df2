#include "win32/windows/tray_popups.h"

#include "win32/windows/popup_menu.h"

namespace dm::win {

void TrayPopups::Attach(HINSTANCE instance, HWND owner, HICON icon, TrayApp& app) {
  instance_ = instance;
  owner_ = owner;
  icon_ = icon;
  editor_ = std::make_unique<FolderEditorWindow>(
      FolderEditorContext{instance, icon, &app.Folders(), [&app] { app.OnEditorClosed(); }});
}

bool TrayPopups::TranslateDialogMessage(MSG& msg) { return editor_ && editor_->TranslateDialogMessage(msg); }

FoldersMenuChoice TrayPopups::PopUpFoldersMenu(const FoldersMenu& menu, std::optional<ScreenPoint> at) {
  return TrackFoldersMenu(owner_, menu, at, &foldersMenuKeys_);
}

ConfigureCommand TrayPopups::PopUpConfigureMenu(const ConfigureMenu& menu, std::optional<ScreenPoint> at) {
  return TrackConfigureMenu(owner_, menu, at);
}

void TrayPopups::ShowEditor() {
  if (editor_) editor_->Show();
}

bool TrayPopups::EditorVisible() { return editor_ && editor_->IsVisible(); }

void TrayPopups::CloseEditor() {
  if (editor_) editor_->Close();
}

void TrayPopups::ShowAboutBox(const std::string& aboutInfoText) {
  about_.ShowModal(instance_, owner_, icon_, aboutInfoText);
}

void TrayPopups::CloseAboutBox() { about_.Close(); }

}  // namespace dm::win
