#pragma once
// The editor's events in terms of its list, its view and the editor operations on the Folders
// menu: opening (fill with repaint steps, first line selected), Add, Delete and the button rules.

#include <cstdint>
#include <string>

#include "store/editor_operations.h"
#include "store/path_list_box.h"
#include "ui/list/editor_view.h"

namespace dm {

struct EditorButtonStates {
  bool addEnabled = false;
  bool deleteEnabled = false;
  friend bool operator==(const EditorButtonStates&, const EditorButtonStates&) = default;
};

// Add only while the list has room, Delete only while it holds a path.
EditorButtonStates EditorButtonsFor(std::uint8_t pathCount);

// Fills the empty list from the Folders menu. After each line the list is validated; after every
// tenth it is invalidated; then pending messages run. After the loop it is invalidated once more.
// The first line is selected and the buttons set.
void OpenEditor(PathListBox& list, EditorView& view, const PathListEdit& edit);

// The folder browser's result p goes through EditorAdd; the buttons follow the new count.
AddOutcome AddToEditor(PathListBox& list, EditorView& view, const PathListEdit& edit, std::string p);

// Deletes the selected line through EditorDelete; the buttons follow the new count.
void DeleteFromEditor(PathListBox& list, EditorView& view, const PathListEdit& edit);

}  // namespace dm
