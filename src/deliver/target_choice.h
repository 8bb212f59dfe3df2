#pragma once
// Which window found by the search receives a path, and where in a file dialog it goes.

#include <vector>

#include "platform/window_tree.h"

namespace dm {

// Control identifiers of the common file dialogs: the name box (the combo box of the current
// style, the edit field of the older style and of the item dialogs) and the file and folder
// lists of the older style.
inline constexpr int kFileNameComboId = 0x47C;
inline constexpr int kFileNameEditId = 0x480;
inline constexpr int kFileListId = 0x460;
inline constexpr int kFolderListId = 0x461;

// A file dialog and the edit field of its name box.
struct FileDialogTarget {
  WindowHandle dialog = 0;
  WindowHandle nameBox = 0;
};

// The edit field of the name box when dialog is a file dialog, 0 otherwise. A file dialog is
// told by its parts, never by one control identifier: a visible name box (0x47C combo box or
// edit, or edit 0x480) together with a shell view (SHELLDLL_DefView, at any depth) or, in the
// older style, both the file and the folder list. Find and Replace boxes, message boxes, folder
// browsers, property sheets and application dialogs have no such pair.
WindowHandle FindFileNameBox(WindowTree& tree, WindowHandle dialog);

// The first of found[1..] that is a visible, enabled, uncloaked file dialog; an empty target
// when none is.
FileDialogTarget ChooseFileDialog(WindowTree& tree, const std::vector<WindowHandle>& found);

// The first visible, uncloaked window of found[1..]; 0 when none is. Minimised windows count as
// visible.
WindowHandle ChooseExplorerWindow(WindowTree& tree, const std::vector<WindowHandle>& found);

// A window the user is in, as the delivery tells it: a file dialog with its name box, or an
// Explorer window; both empty when it is neither (or is hidden, disabled or cloaked).
struct WindowTarget {
  FileDialogTarget dialog;
  WindowHandle explorer = 0;
  bool Empty() const { return dialog.dialog == 0 && explorer == 0; }
};

// The same tests as the search's choice, for one titled window: class "#32770" told as a file
// dialog by its parts, or class "ExploreWClass".
WindowTarget TargetOfWindow(WindowTree& tree, WindowHandle window);

}  // namespace dm
