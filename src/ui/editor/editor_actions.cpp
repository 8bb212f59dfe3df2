#include "ui/editor/editor_actions.h"

#include <algorithm>
#include <utility>

namespace dm {

namespace {

void ApplyButtons(const FolderList& folders, EditorView& view) {
  const EditorButtonStates states = EditorButtonsFor(folders);
  view.EnableAdd(states.addEnabled);
  view.EnableDelete(states.deleteEnabled);
}

}  // namespace

EditorButtonStates EditorButtonsFor(const FolderList& folders) { return {!folders.Full(), !folders.Empty()}; }

void FinishEditorOpening(const FolderList& folders, EditorView& view) {
  if (!folders.Empty()) view.SelectLine(0);
  ApplyButtons(folders, view);
}

AddResult AddFolder(FolderList& folders, EditorView& view, std::string folder) {
  const std::size_t remembered = view.SelectedLine().value_or(0);
  const AddOutcome outcome = folders.Add(std::move(folder));
  switch (outcome.result) {
    case AddResult::Added:
      view.InsertLine(outcome.index, folders.At(outcome.index));
      view.SelectLine(outcome.index);
      break;
    case AddResult::Duplicate:
      view.SelectLine(remembered);
      break;
    case AddResult::NoPath:
    case AddResult::Full:
      break;
  }
  ApplyButtons(folders, view);
  return outcome.result;
}

bool DeleteSelectedFolder(FolderList& folders, EditorView& view) {
  if (folders.Empty()) return false;
  const std::size_t index = std::min(view.SelectedLine().value_or(0), folders.Count() - 1);
  folders.Remove(index);
  view.RemoveLine(index);
  if (!folders.Empty()) view.SelectLine(0);
  ApplyButtons(folders, view);
  return true;
}

}  // namespace dm
