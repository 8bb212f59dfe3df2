#include "ui/list/editor_actions.h"

#include <utility>

namespace dm {

namespace {

constexpr unsigned kRepaintEvery = 10;

void ApplyButtons(EditorView& view, std::uint8_t pathCount) {
  const EditorButtonStates states = EditorButtonsFor(pathCount);
  view.EnableAdd(states.addEnabled);
  view.EnableDelete(states.deleteEnabled);
}

}  // namespace

EditorButtonStates EditorButtonsFor(std::uint8_t pathCount) {
  return {EditorCanAdd(pathCount), pathCount > 0};
}

void OpenEditor(PathListBox& list, EditorView& view, const PathListEdit& edit) {
  EditorFill(list, edit, [&view](unsigned i) {
    view.ValidateList();
    if (i % kRepaintEvery == 0) view.InvalidateList();
    view.ProcessPendingMessages();
  });
  view.InvalidateList();
  if (list.Count() > 0) list.Select(0);
  ApplyButtons(view, edit.pathCount);
}

AddOutcome AddToEditor(PathListBox& list, EditorView& view, const PathListEdit& edit, std::string p) {
  const AddOutcome outcome = EditorAdd(list, edit, std::move(p));
  ApplyButtons(view, edit.pathCount);
  return outcome;
}

void DeleteFromEditor(PathListBox& list, EditorView& view, const PathListEdit& edit) {
  EditorDelete(list, edit);
  ApplyButtons(view, edit.pathCount);
}

}  // namespace dm
