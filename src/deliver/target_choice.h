#pragma once
// Which window found by the search receives a path.

#include <vector>

#include "platform/window_tree.h"

namespace dm {

// Control identifiers of the file-name field of the common file dialogs: the combo box of the
// current style and the edit field of the older one.
inline constexpr int kFileNameComboId = 0x47C;
inline constexpr int kFileNameEditId = 0x480;

// The first of found[1..] that is a visible, enabled file dialog (it holds a file-name field
// somewhere below it); 0 when none is. Message boxes, folder browsers and hidden dialogs are
// passed over.
WindowHandle ChooseFileDialog(WindowTree& tree, const std::vector<WindowHandle>& found);

// The first visible window of found[1..]; 0 when none is. Minimised windows count as visible.
WindowHandle ChooseExplorerWindow(WindowTree& tree, const std::vector<WindowHandle>& found);

}  // namespace dm
