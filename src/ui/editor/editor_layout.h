#pragma once
// The folder list editor: its caption, size and controls, laid out in twips. The controls
// are listed in creation order; tabIndex gives the keyboard order and helpTopic the help page's
// topic for the control.

#include <array>
#include <string_view>

namespace dm {

enum class EditorControl { Window, PathLabel, PathList, AddButton, DeleteButton, CloseButton };
enum class EditorControlKind { Button, DropDownList, Label };

struct EditorControlLayout {
  EditorControl control;
  EditorControlKind kind;
  int left, top, width, height;  // twips, inside the window's frame
  std::string_view text;
  int tabIndex;
  int helpTopic;
};

inline constexpr std::string_view kEditorCaption = "Dashmarks";
// The area the controls are laid out in: 120-twip margins around the controls on every side.
inline constexpr int kEditorWidth = 3255;
inline constexpr int kEditorHeight = 1335;
inline constexpr int kEditorHelpTopic = 10;

inline constexpr std::array<EditorControlLayout, 5> kEditorControls{{
    {EditorControl::CloseButton, EditorControlKind::Button, 2280, 840, 855, 375, "&Close", 4, 14},
    {EditorControl::DeleteButton, EditorControlKind::Button, 1200, 840, 855, 375, "&Delete", 3, 13},
    {EditorControl::PathList, EditorControlKind::DropDownList, 120, 360, 3015, 315, "", 1, 11},
    {EditorControl::AddButton, EditorControlKind::Button, 120, 840, 855, 375, "&Add...", 2, 12},
    {EditorControl::PathLabel, EditorControlKind::Label, 120, 120, 375, 255, "&Path:", 0, 10},
}};

inline constexpr std::string_view kBrowseForFolderTitle =
    "&To add a Dashmark to your list, select a folder and click OK.";

}  // namespace dm
