#pragma once
// The path list editor's operations on the Folders menu and the path count. The editor's list is
// the authoritative copy while the editor is open; the commit copies it into the menu captions.

#include <cstdint>
#include <functional>
#include <string>

#include "store/path_list_box.h"
#include "ui/main/folders_menu.h"

namespace dm {

struct PathListEdit {
  FoldersMenu& menu;
  std::uint8_t& pathCount;
};

// Appends the captions of mnuPath(1..pathCount) to the empty list. afterEach(i) runs after the
// i-th line is appended (the window uses it for its repaint steps).
void EditorFill(PathListBox& list, const PathListEdit& edit,
                const std::function<void(unsigned)>& afterEach = {});

enum class AddOutcome { NoPath, Duplicate, ListFull, Added };

// Adds the folder browser's result p: nothing for empty text, a backslash appended when p does not
// end with one, a case-sensitive duplicate refused (the earlier selection restored), a full list
// refused; otherwise the path goes to the end of the Folders menu and is selected in the list.
AddOutcome EditorAdd(PathListBox& list, const PathListEdit& edit, std::string p);

// Removes the selected line and the last menu element. Returns false when the list is empty.
bool EditorDelete(PathListBox& list, const PathListEdit& edit);

// Copies line i of the list into the caption of mnuPath(i + 1), for every path.
void EditorCommit(PathListBox& list, const PathListEdit& edit);

bool EditorCanAdd(std::uint8_t pathCount);

}  // namespace dm
