#pragma once
// The editor's events over the folder list it edits and the view that shows it: the view's lines
// are the list's folders in the list's order after every event.

#include <string>

#include "store/folder_list.h"
#include "ui/editor/editor_view.h"

namespace dm {

struct EditorButtonStates {
  bool addEnabled = false;
  bool deleteEnabled = false;
  friend bool operator==(const EditorButtonStates&, const EditorButtonStates&) = default;
};

// Add only while the list has room, Delete only while it holds a folder.
EditorButtonStates EditorButtonsFor(const FolderList& folders);

// Once the view shows every folder: the first line is selected and the buttons set.
void FinishEditorOpening(const FolderList& folders, EditorView& view);

// The folder browser's result goes into the list (see FolderList::Add) and, when added, into the
// view at the same place, selected. A duplicate restores the earlier selection (the first line
// when there was none).
AddResult AddFolder(FolderList& folders, EditorView& view, std::string folder);

// Removes the selected folder (the first when none is selected) from the list and the view; the
// first line is selected afterwards. False when the list is empty.
bool DeleteSelectedFolder(FolderList& folders, EditorView& view);

}  // namespace dm
