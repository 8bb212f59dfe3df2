#include "store/editor_operations.h"

#include "store/settings_keys.h"

namespace dm {

void EditorFill(PathListBox& list, const PathListEdit& edit, const std::function<void(unsigned)>& afterEach) {
  for (unsigned i = 1; i <= edit.pathCount; ++i) {
    list.Add(edit.menu.Caption(i));
    if (afterEach) afterEach(i);
  }
}

bool EditorCanAdd(std::uint8_t pathCount) { return pathCount < keys::kMaxPaths; }

AddOutcome EditorAdd(PathListBox& list, const PathListEdit& edit, std::string p) {
  if (p.empty()) return AddOutcome::NoPath;
  if (p.back() != '\\') p.push_back('\\');
  const int remembered = list.Selected() < 0 ? 0 : list.Selected();
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Text(i) == p) {
      if (list.Count() > 0) list.Select(remembered);
      return AddOutcome::Duplicate;
    }
  }
  // A full list would wrap the 8-bit count: refuse, leaving everything as it is.
  if (!EditorCanAdd(edit.pathCount)) return AddOutcome::ListFull;
  ++edit.pathCount;
  edit.menu.AddMenuItem(edit.pathCount, p);
  list.Select(list.Add(p));
  return AddOutcome::Added;
}

bool EditorDelete(PathListBox& list, const PathListEdit& edit) {
  if (edit.pathCount == 0) return false;
  const int selected = list.Selected();
  if (selected >= 0) {
    list.Remove(selected);
  } else {
    // Nothing selected: the window always keeps a selection, but never let the list and the
    // count drift apart.
    list.Remove(0);
  }
  edit.menu.DeleteMenuItem(edit.pathCount);
  --edit.pathCount;
  if (edit.pathCount > 0) list.Select(0);
  return true;
}

void EditorCommit(PathListBox& list, const PathListEdit& edit) {
  for (unsigned i = 0; i < edit.pathCount; ++i) {
    edit.menu.SetCaption(i + 1, list.Text(static_cast<int>(i)));
  }
}

}  // namespace dm
