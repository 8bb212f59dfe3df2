#include "deliver/target_choice.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "deliver/window_search.h"
#include "support/fake_desktop.h"

namespace dm {
namespace {

using test::FakeDesktop;

// One dialog built on an empty desktop; the name box it should be recognised by, or 0.
struct DialogKind {
  const char* name;
  // Returns the expected name box (0 when the dialog is no file dialog).
  std::function<WindowHandle(FakeDesktop&, WindowHandle dialog)> build;
};

WindowHandle ComboNameBox(FakeDesktop& d, WindowHandle parent, const char* comboClass) {
  const WindowHandle combo = d.AddControl(parent, kFileNameComboId, comboClass);
  return d.AddControl(combo, 0x3E9, "Edit");
}

// The address band of the item dialogs: the breadcrumbs and the address box, hidden until edited.
void AddressBand(FakeDesktop& d, WindowHandle dialog) {
  const WindowHandle rebar = d.AddControl(d.Add(dialog, "WorkerW", ""), 0xA005, "ReBarWindow32");
  const WindowHandle progress =
      d.Add(d.AddControl(rebar, 0xA205, "Address Band Root"), "msctls_progress32", "");
  d.Add(d.Add(progress, "Breadcrumb Parent", ""), "ToolbarWindow32", "Address: C:\\Users");
  const WindowHandle combo = d.AddControl(progress, 0xA205, "ComboBoxEx32");
  d.At(combo).visible = false;
  d.At(d.AddControl(d.AddControl(combo, 0xA205, "ComboBox"), 0xA205, "Edit")).visible = false;
}

// The item dialogs' DUIViewWndClassName > DirectUIHWND, with the file view and the navigation pane
// when expanded; returns the DirectUIHWND.
WindowHandle ItemView(FakeDesktop& d, WindowHandle dialog, bool expanded) {
  const WindowHandle ui = d.Add(d.Add(dialog, "DUIViewWndClassName", ""), "DirectUIHWND", "");
  if (expanded) {
    d.Add(d.Add(d.Add(ui, "CtrlNotifySink", ""), "SHELLDLL_DefView", "ShellView"), "DirectUIHWND", "");
    const WindowHandle tree = d.Add(d.Add(ui, "CtrlNotifySink", ""), "NamespaceTreeControl", "");
    d.Add(tree, "SysTreeView32", "Tree View");
  }
  return ui;
}

// The Save item dialog's name box in its view, and beside it the box of the file types.
WindowHandle SaveNameBox(FakeDesktop& d, WindowHandle ui) {
  const WindowHandle combo = d.AddControl(d.Add(ui, "FloatNotifySink", ""), 0, "ComboBox");
  const WindowHandle box = d.AddControl(combo, kSaveNameEditId, "Edit");
  d.AddControl(d.Add(ui, "FloatNotifySink", ""), 0, "ComboBox");
  return box;
}

const std::vector<DialogKind> kKinds{
    {"ExplorerStyleOpen",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(dialog, 0x442, "Static");
       const WindowHandle box = ComboNameBox(d, dialog, "ComboBox");
       d.AddControl(dialog, 0x461, "SHELLDLL_DefView");
       return box;
     }},
    {"ExplorerStyleWithAHookDialogInside",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(d.Add(dialog, "#32770", "Options"), 0x480, "Edit");  // the hook's own edit
       const WindowHandle box = ComboNameBox(d, dialog, "ComboBox");
       d.AddControl(dialog, 0x461, "SHELLDLL_DefView");
       return box;
     }},
    {"OldStyleOpen",
     [](FakeDesktop& d, WindowHandle dialog) {
       const WindowHandle box = d.AddControl(dialog, kFileNameEditId, "Edit");
       d.AddControl(dialog, kFileListId, "ListBox");
       d.AddControl(dialog, kFolderListId, "ListBox");
       return box;
     }},
    {"ItemDialogAsWineDrawsIt",
     [](FakeDesktop& d, WindowHandle dialog) {
       const WindowHandle box = d.AddControl(dialog, kFileNameEditId, "Edit");
       d.AddControl(d.Add(dialog, "ExplorerBrowserControl", ""), 0, "SHELLDLL_DefView");
       return box;
     }},
    {"ItemOpenAsWindowsDrawsIt",
     [](FakeDesktop& d, WindowHandle dialog) {
       AddressBand(d, dialog);
       ItemView(d, dialog, true);
       const WindowHandle combo =
           d.AddControl(d.AddControl(dialog, kFileNameComboId, "ComboBoxEx32"), kFileNameComboId, "ComboBox");
       const WindowHandle box = d.AddControl(combo, kFileNameComboId, "Edit");
       d.AddControl(dialog, 0x470, "ComboBox");
       d.AddControl(dialog, 1, "Button");
       return box;
     }},
    {"ItemSaveAsWindowsDrawsIt",
     [](FakeDesktop& d, WindowHandle dialog) {
       AddressBand(d, dialog);
       const WindowHandle box = SaveNameBox(d, ItemView(d, dialog, true));
       d.AddControl(dialog, 1, "Button");
       return box;
     }},
    {"ItemSaveFoldedWithoutItsShellView",
     [](FakeDesktop& d, WindowHandle dialog) {
       const WindowHandle box = SaveNameBox(d, ItemView(d, dialog, false));
       d.AddControl(dialog, 1, "Button");
       return box;
     }},
    {"ItemSaveWithItsNameBoxOutsideTheViewAfterANavigation",
     [](FakeDesktop& d, WindowHandle dialog) {
       ItemView(d, dialog, true);
       const WindowHandle box = SaveNameBox(d, d.Add(dialog, "DirectUIHWND", ""));
       d.AddControl(dialog, 1, "Button");
       return box;
     }},
    {"ItemSaveWithItsNameBoxHidden",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.At(SaveNameBox(d, ItemView(d, dialog, true))).visible = false;
       return WindowHandle{0};
     }},
    {"NameBoxChainOutsideAnItemView",
     [](FakeDesktop& d, WindowHandle dialog) {
       const WindowHandle sink = d.Add(dialog, "FloatNotifySink", "");
       d.AddControl(d.AddControl(sink, 0, "ComboBox"), kSaveNameEditId, "Edit");
       d.AddControl(dialog, 0x461, "SHELLDLL_DefView");
       return WindowHandle{0};
     }},
    {"ApplicationDialogWithTheEditOfAComboBox",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(d.AddControl(dialog, 1000, "ComboBox"), kSaveNameEditId, "Edit");
       d.AddControl(dialog, 1, "Button");
       return WindowHandle{0};
     }},
    {"TaskDialogAskingToReplaceAFile",
     [](FakeDesktop& d, WindowHandle dialog) {
       const WindowHandle ui = d.Add(dialog, "DirectUIHWND", "");
       d.AddControl(d.Add(ui, "CtrlNotifySink", ""), 0, "Button");
       d.AddControl(d.Add(ui, "CtrlNotifySink", ""), 0, "Button");
       return WindowHandle{0};
     }},
    {"FindBox",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(dialog, 0x443, "Static");
       d.AddControl(dialog, kFileNameEditId, "Edit");
       d.AddControl(dialog, 1, "Button");
       return WindowHandle{0};
     }},
    {"ReplaceBox",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(dialog, kFileNameEditId, "Edit");
       d.AddControl(dialog, 0x481, "Edit");
       d.AddControl(dialog, 1, "Button");
       return WindowHandle{0};
     }},
    {"MessageBox",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(dialog, 0xFFFF, "Static");
       d.AddControl(dialog, 6, "Button");
       return WindowHandle{0};
     }},
    {"ApplicationDialogWithControl1152",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(dialog, 1152, "Edit");
       d.AddControl(dialog, 1, "Button");
       return WindowHandle{0};
     }},
    {"FolderBrowser",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(dialog, 0x3741, "SysTreeView32");
       d.AddControl(dialog, 0x3744, "Edit");
       return WindowHandle{0};
     }},
    {"PropertySheetWithANameLikeField",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(dialog, 0x3020, "SysTabControl32");
       d.AddControl(d.Add(dialog, "#32770", ""), kFileNameComboId, "ComboBox");
       return WindowHandle{0};
     }},
    {"OldStyleWithoutItsFolderList",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(dialog, kFileNameEditId, "Edit");
       d.AddControl(dialog, kFileListId, "ListBox");
       return WindowHandle{0};
     }},
    {"ShellViewWithAHiddenNameBox",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.At(d.AddControl(dialog, kFileNameEditId, "Edit")).visible = false;
       d.AddControl(dialog, 0x461, "SHELLDLL_DefView");
       return WindowHandle{0};
     }},
    {"NameBoxOfAnotherClass",
     [](FakeDesktop& d, WindowHandle dialog) {
       d.AddControl(dialog, kFileNameComboId, "RichEdit20W");
       d.AddControl(dialog, 0x461, "SHELLDLL_DefView");
       return WindowHandle{0};
     }},
};

class FileDialogRecognitionTest : public testing::TestWithParam<DialogKind> {};

TEST_P(FileDialogRecognitionTest, TellsAFileDialogByItsParts) {
  FakeDesktop desktop;
  const WindowHandle dialog = desktop.Add(0, "#32770", "Dialog");
  const WindowHandle box = GetParam().build(desktop, dialog);
  EXPECT_EQ(FindFileNameBox(desktop, dialog), box);
  // Told again from what the desktop's search noted of its parts, with the dialog among other
  // windows.
  desktop.At(desktop.AddFileDialog("Hidden beside")).visible = false;
  std::vector<WindowHandle> found;
  DialogPartsRecord parts;
  WindowSearch(desktop).CollectWindows(found, 0, kDialogClass, &parts);
  const FileDialogTarget target = ChooseFileDialog(desktop, found, parts);
  EXPECT_EQ(target.dialog, box != 0 ? dialog : 0);
  EXPECT_EQ(target.nameBox, box);
  // The same dialog on another virtual desktop is never a target.
  desktop.At(dialog).cloaked = true;
  EXPECT_EQ(ChooseFileDialog(desktop, found, parts).dialog, 0U);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileDialogRecognitionTest, testing::ValuesIn(kKinds),
                         [](const testing::TestParamInfo<DialogKind>& info) {
                           return std::string(info.param.name);
                         });

TEST(ChooseFileDialogTest, TheFirstVisibleEnabledUncloakedFileDialogOfTheSearchWins) {
  FakeDesktop desktop;
  desktop.Add(0, "#32770", "Warning");
  desktop.At(desktop.AddFileDialog("Hidden")).visible = false;
  desktop.At(desktop.AddFileDialog("Blocked")).enabled = false;
  desktop.At(desktop.AddFileDialog("Elsewhere")).cloaked = true;
  const WindowHandle host = desktop.Add(0, "HostApp", "Host");
  const WindowHandle embedded = desktop.Add(host, "#32770", "Embedded");
  ComboNameBox(desktop, embedded, "ComboBox");
  desktop.AddControl(embedded, 0, "SHELLDLL_DefView");
  desktop.AddFileDialog("Later");
  std::vector<WindowHandle> found;
  DialogPartsRecord parts;
  WindowSearch(desktop).CollectWindows(found, 0, kDialogClass, &parts);
  EXPECT_EQ(ChooseFileDialog(desktop, found, parts).dialog, embedded);
}

TEST(ChooseExplorerWindowTest, HiddenAndCloakedWindowsArePassedOver) {
  FakeDesktop desktop;
  desktop.At(desktop.Add(0, "ExploreWClass", "Hidden")).visible = false;
  desktop.At(desktop.Add(0, "ExploreWClass", "Elsewhere")).cloaked = true;
  const WindowHandle minimised = desktop.Add(0, "ExploreWClass", "Minimised");
  desktop.At(minimised).iconic = true;
  std::vector<WindowHandle> found;
  WindowSearch(desktop).CollectWindows(found, 0, "ExploreWClass");
  EXPECT_EQ(ChooseExplorerWindow(desktop, found), minimised);
}

// Explorer windows opened in the order given (each later one behind the earlier ones); the window
// expected to get the folder.
struct ExplorerOrderCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> windows;  // class, title; "hidden"/"cloaked" titles
  const char* chosen;                                        // the title of the target; "" for none
};

const std::vector<ExplorerOrderCase> kExplorerOrder{
    {"FolderWindowBeforeWinesAndTheOld",
     {{"ExploreWClass", "old"}, {"ExplorerWClass", "wine"}, {"CabinetWClass", "today"}},
     "today"},
    {"TheFrontMostFolderWindow", {{"CabinetWClass", "front"}, {"CabinetWClass", "behind"}}, "front"},
    {"WinesBeforeTheOld", {{"ExploreWClass", "old"}, {"ExplorerWClass", "wine"}}, "wine"},
    {"TheOldAlone", {{"ExploreWClass", "old"}}, "old"},
    {"AHiddenFolderWindowIsPassedOver", {{"CabinetWClass", "hidden"}, {"ExploreWClass", "old"}}, "old"},
    {"ACloakedFolderWindowIsPassedOver", {{"CabinetWClass", "cloaked"}, {"ExplorerWClass", "wine"}}, "wine"},
    {"AMinimisedFolderWindowCounts",
     {{"ExplorerWClass", "wine"}, {"CabinetWClass", "minimised"}},
     "minimised"},
    {"OtherClassesNever", {{"IEFrame", "page"}, {"ExploreWClass2", "look-alike"}, {"Progman", "desk"}}, ""},
    {"NoTitleNoTarget", {{"CabinetWClass", ""}}, ""},
};

class ExplorerOrderTest : public testing::TestWithParam<ExplorerOrderCase> {};

TEST_P(ExplorerOrderTest, TheMostPreferredKindWinsThenTheFrontMost) {
  FakeDesktop desktop;
  for (const auto& [className, title] : GetParam().windows) {
    const WindowHandle window = desktop.Add(0, className, title);
    desktop.At(window).visible = std::string(title) != "hidden";
    desktop.At(window).cloaked = std::string(title) == "cloaked";
    desktop.At(window).iconic = std::string(title) == "minimised";
  }
  WindowSearch search(desktop);
  std::vector<WindowHandle> found;
  const ExplorerTarget target = ChooseExplorer(search, desktop, found);
  EXPECT_EQ(target.window == 0 ? std::string() : desktop.Name(target.window), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExplorerOrderTest, testing::ValuesIn(kExplorerOrder),
                         [](const testing::TestParamInfo<ExplorerOrderCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(FindAddressBoxTest, TheEditAtTheEndOfTheAddressBarChainNotAnotherComboBox) {
  FakeDesktop desktop;
  const WindowHandle frame = desktop.Add(0, "CabinetWClass", "Documents");
  const WindowHandle rebar = desktop.Add(desktop.Add(frame, "WorkerW", ""), "ReBarWindow32", "");
  // The search box is a combo box in the same tool bar, but not in the address band.
  desktop.Add(desktop.Add(desktop.Add(rebar, "UniversalSearchBand", ""), "ComboBoxEx32", ""), "Edit", "");
  const WindowHandle band = desktop.Add(rebar, "Address Band Root", "");
  const WindowHandle combo = desktop.Add(desktop.Add(band, "msctls_progress32", ""), "ComboBoxEx32", "");
  const WindowHandle edit = desktop.Add(desktop.Add(combo, "ComboBox", ""), "Edit", "");
  EXPECT_EQ(FindAddressBox(desktop, frame, ExplorerKind::FolderWindow), edit);
  // The same chain is not Wine's, and the old Explorer has no address box at all.
  EXPECT_EQ(FindAddressBox(desktop, frame, ExplorerKind::GoToWindow), 0U);

  const WindowHandle wine = desktop.AddWineExplorer("Wine");
  EXPECT_EQ(FindAddressBox(desktop, wine, ExplorerKind::WineExplorer), desktop.At(wine).addressBox);
  // A folder window without its tool bar chain (a replacement shell's window of the same class).
  const WindowHandle bare = desktop.Add(0, "CabinetWClass", "Bare");
  desktop.Add(desktop.Add(desktop.Add(bare, "ComboBoxEx32", ""), "ComboBox", ""), "Edit", "");
  EXPECT_EQ(FindAddressBox(desktop, bare, ExplorerKind::FolderWindow), 0U);
}

// The tab choice: the tabs of one folder window in Z-order (shown or hidden), the browsers the
// shell lists for it (by tab index; kNoTab for a browser that names no tab, kOtherWindow for a tab
// of another window), and the tab chosen (kNoTab: the browser that names none).
constexpr int kNoTab = -1;
constexpr int kOtherWindow = -2;

struct TabCase {
  const char* name;
  std::vector<bool> shownInZOrder;
  std::vector<int> listed;
  std::optional<int> chosen;
};

class ChooseVisibleTabTest : public testing::TestWithParam<TabCase> {};

TEST_P(ChooseVisibleTabTest, TheFirstTabInZOrderWhenShownAndListed) {
  FakeDesktop desktop;
  const WindowHandle other = desktop.AddFolderWindow("Other");
  const WindowHandle frame = desktop.Add(0, "CabinetWClass", "Documents");
  desktop.Add(desktop.Add(frame, "WorkerW", ""), "ReBarWindow32", "");
  std::vector<WindowHandle> tabs;
  for (const bool shown : GetParam().shownInZOrder) {
    tabs.push_back(desktop.Add(frame, "ShellTabWindowClass", "Tab " + std::to_string(tabs.size())));
    desktop.At(tabs.back()).visible = shown;
  }
  const auto handleOf = [&](int index) -> WindowHandle {
    if (index == kNoTab) return 0;
    if (index == kOtherWindow) return desktop.TabsIn(other)[0];
    return tabs.at(static_cast<std::size_t>(index));
  };
  std::vector<WindowHandle> listed;
  for (const int index : GetParam().listed) listed.push_back(handleOf(index));
  const std::optional<WindowHandle> expected =
      GetParam().chosen ? std::optional<WindowHandle>(handleOf(*GetParam().chosen)) : std::nullopt;
  EXPECT_EQ(ChooseVisibleTab(desktop, frame, listed), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseVisibleTabTest,
    testing::Values(TabCase{"OneTab", {true}, {0}, 0},
                    TabCase{"InactiveTabsHidden", {true, false, false}, {2, 0, 1}, 0},
                    // Sources disagree on whether inactive tabs are hidden: visible ones lying behind the
                    // active tab are never chosen, whatever the order of the shell's list.
                    TabCase{"InactiveTabsShownBehind", {true, true, true}, {1, 2, 0}, 0},
                    TabCase{"TheTabInFrontNotListed", {true, true}, {1}, std::nullopt},
                    TabCase{"TheTabInFrontHidden", {false, true}, {0, 1}, std::nullopt},
                    TabCase{"ATabOfAnotherWindow", {true}, {kOtherWindow}, std::nullopt},
                    TabCase{"NothingListed", {true}, {}, std::nullopt},
                    TabCase{"OneBrowserNamingNoTabInAWindowOfOneTab", {true}, {kNoTab}, kNoTab},
                    TabCase{"OneBrowserNamingNoTabInAWindowWithoutTabs", {}, {kNoTab}, kNoTab},
                    TabCase{"OneBrowserNamingNoTabInAWindowOfSeveral", {true, true}, {kNoTab}, std::nullopt},
                    TabCase{"TwoBrowsersNamingNoTab", {true}, {kNoTab, kNoTab}, std::nullopt}),
    [](const testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

TEST(FindAddressBoxTest, AFolderWindowWithTheXamlNavigationBarHasNone) {
  FakeDesktop desktop;
  // Whether classic windows remain beside the XAML bar is not known: neither answer gives a box.
  EXPECT_EQ(FindAddressBox(desktop, desktop.AddXamlFolderWindow("Plain", false), ExplorerKind::FolderWindow),
            0U);
  const WindowHandle remnant = desktop.AddXamlFolderWindow("Remnant", true);
  ASSERT_NE(desktop.At(remnant).addressBox, 0U);
  EXPECT_EQ(FindAddressBox(desktop, remnant, ExplorerKind::FolderWindow), 0U);
}

}  // namespace
}  // namespace dm
