#include "deliver/target_choice.h"

namespace dm {

WindowHandle ChooseFileDialog(WindowTree& tree, const std::vector<WindowHandle>& found) {
  for (std::size_t i = 1; i < found.size(); ++i) {
    const WindowHandle h = found[i];
    if (!tree.IsVisible(h) || !tree.IsEnabled(h)) continue;
    if (tree.HasControlIdInDescendants(h, kFileNameComboId) ||
        tree.HasControlIdInDescendants(h, kFileNameEditId)) {
      return h;
    }
  }
  return 0;
}

WindowHandle ChooseExplorerWindow(WindowTree& tree, const std::vector<WindowHandle>& found) {
  for (std::size_t i = 1; i < found.size(); ++i) {
    if (tree.IsVisible(found[i])) return found[i];
  }
  return 0;
}

}  // namespace dm
