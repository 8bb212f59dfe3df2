#pragma once
// Which window found by the search receives a path, and where in a file dialog it goes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "deliver/window_search.h"
#include "platform/window_tree.h"

namespace dm {

// Control identifiers of the common file dialogs: the name box (the combo box of the current
// style and of the Open item dialog, the edit field of the older style and of Wine's item dialogs,
// the edit field in the Save item dialog's view) and the file and folder lists of the older style.
inline constexpr int kFileNameComboId = 0x47C;
inline constexpr int kFileNameEditId = 0x480;
inline constexpr int kSaveNameEditId = 0x3E9;
inline constexpr int kFileListId = 0x460;
inline constexpr int kFolderListId = 0x461;

// The class of the system's dialog boxes, the common file dialogs among them.
inline constexpr std::string_view kDialogClass = "#32770";

// A file dialog and the edit field of its name box.
struct FileDialogTarget {
  WindowHandle dialog = 0;
  WindowHandle nameBox = 0;
};

// The windows a search walked past that may be parts of a file dialog, and where each dialog's
// subtree lies in the walk: a file dialog is then told without walking its controls again.
class DialogPartsRecord : public WalkObserver {
 public:
  // ItemView and FloatingSink are the windows that hold the Save item dialog's name box:
  // DUIViewWndClassName > DirectUIHWND > FloatNotifySink > ComboBox > Edit.
  enum class Kind : std::uint8_t { ShellView, ListBox, Edit, Combo, ItemView, FloatingSink };
  struct Part {
    std::size_t place;
    std::size_t subtreeStart;  // the part's own subtree lies at places subtreeStart..place - 1
    WindowHandle window;
    Kind kind;
  };

  // The parts inside one dialog's subtree, in the order of the walk, and how many windows the
  // subtree holds.
  struct Subtree {
    std::vector<Part> parts;
    std::size_t windows = 0;
  };

  void Passed(WindowHandle window, const std::string& className, std::size_t subtreeStart,
              std::size_t place) override;
  // The subtree of a dialog walked past; nothing for a window that was not.
  std::optional<Subtree> SubtreeOf(WindowHandle dialog) const;
  // Every part passed, for a walk of one dialog's subtree.
  const std::vector<Part>& Parts() const { return parts_; }

 private:
  struct Dialog {
    WindowHandle window;
    std::size_t subtreeStart;
    std::size_t place;
  };
  std::vector<Part> parts_;
  std::vector<Dialog> dialogs_;  // in the order of the walk; a search finds few
};

// The edit field of the name box when dialog is a file dialog, 0 otherwise. A file dialog is
// told by its parts, never by one control identifier: a visible name box (0x47C combo box or
// edit, or edit 0x480) together with a shell view (SHELLDLL_DefView, at any depth) or, in the
// older style, both the file and the folder list; or the Save item dialog's visible edit 0x3E9
// inside a FloatNotifySink, in a dialog with the item dialogs' DUIViewWndClassName, with or
// without a shell view (the dialog folded to "Hide Folders" has none). Find and Replace boxes,
// message boxes, task dialogs, folder browsers, property sheets and application dialogs have no
// such parts.
WindowHandle FindFileNameBox(WindowTree& tree, WindowHandle dialog);

// The first of found[1..] that is a visible, enabled, uncloaked file dialog; an empty target
// when none is. parts is what the search that found them recorded.
FileDialogTarget ChooseFileDialog(WindowTree& tree, const std::vector<WindowHandle>& found,
                                  const DialogPartsRecord& parts);

// The first visible, uncloaked window of found[1..]; 0 when none is. Minimised windows count as
// visible.
WindowHandle ChooseExplorerWindow(WindowTree& tree, const std::vector<WindowHandle>& found);

// The Explorer windows a folder can go to when no file dialog is open.
enum class ExplorerKind : std::uint8_t {
  FolderWindow,  // "CabinetWClass": Windows Vista to 11, tabs from Windows 11 on; an address bar
  WineExplorer,  // "ExplorerWClass": Wine's own, with a path box in its tool bar
  GoToWindow,    // "ExploreWClass": up to Windows XP, Tools > Go To
};

struct ExplorerClass {
  ExplorerKind kind;
  std::string_view className;
};

// In the order of preference: the first kind with a visible window wins, whatever the Z-order of
// windows of different kinds.
inline constexpr std::array<ExplorerClass, 3> kExplorerClasses{{
    {ExplorerKind::FolderWindow, "CabinetWClass"},
    {ExplorerKind::WineExplorer, "ExplorerWClass"},
    {ExplorerKind::GoToWindow, "ExploreWClass"},
}};

struct ExplorerTarget {
  WindowHandle window = 0;
  ExplorerKind kind = ExplorerKind::GoToWindow;
};

// The front-most visible, uncloaked Explorer window of the most preferred kind that has one;
// window 0 when there is none. found holds the last search's result.
ExplorerTarget ChooseExplorer(WindowSearch& search, WindowTree& tree, std::vector<WindowHandle>& found);

// The first window of class leaf below root that lies under the windows of chain, outermost
// first, each any depth below the one before; 0 when there is none.
WindowHandle FindBelowChain(WindowTree& tree, WindowHandle root, const std::vector<std::string_view>& chain,
                            std::string_view leaf);

// The edit field of a folder window's address box: in a "CabinetWClass" window the Edit at the
// end of WorkerW > ReBarWindow32 > Address Band Root > ... > ComboBoxEx32 > ComboBox > Edit; in
// Wine's "ExplorerWClass" the Edit of the ComboBoxEx32 in its ReBarWindow32. It may be hidden
// until the box is opened for typing. 0 when the window has none (or is of the Go To kind, or
// has the XAML navigation bar).
WindowHandle FindAddressBox(WindowTree& tree, WindowHandle frame, ExplorerKind kind);

// The classes of a folder window's tab and of the island that holds the XAML navigation bar of
// Windows 11 from 23H2 on.
inline constexpr std::string_view kTabClass = "ShellTabWindowClass";
inline constexpr std::string_view kXamlIslandClass = "Microsoft.UI.Content.DesktopChildSiteBridge";

// The tab a folder window shows: its first "ShellTabWindowClass" child in Z-order, when that one
// is visible; 0 otherwise.
WindowHandle ShownTabOf(WindowTree& tree, WindowHandle frame);

// Whether the folder window's navigation bar is the XAML one (no Win32 address box).
bool HasXamlNavigationBar(WindowTree& tree, WindowHandle frame);

// Of the tabs the shell lists for a folder window (see ShellWindowList::TabsOf), the one the user
// sees (ShownTabOf), or the single listed browser when it names no tab and the window shows at
// most one. Nothing when the tab shown is not listed: no other tab is ever chosen.
std::optional<WindowHandle> ChooseVisibleTab(WindowTree& tree, WindowHandle frame,
                                             const std::vector<WindowHandle>& tabs);

// A window the user is in, as the delivery tells it: a file dialog with its name box, or an
// Explorer window; both empty when it is neither (or is hidden, disabled or cloaked).
struct WindowTarget {
  FileDialogTarget dialog;
  ExplorerTarget explorer;
  bool Empty() const { return dialog.dialog == 0 && explorer.window == 0; }
};

// The same tests as the search's choice, for one titled window: class "#32770" told as a file
// dialog by its parts, or one of the Explorer classes.
WindowTarget TargetOfWindow(WindowTree& tree, WindowHandle window);

}  // namespace dm
