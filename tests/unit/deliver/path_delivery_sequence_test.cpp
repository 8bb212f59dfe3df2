#include "deliver/path_delivery_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "deliver/target_choice.h"
#include "support/fake_desktop.h"

namespace dm {
namespace {

using Log = std::vector<std::string>;
using test::FakeDesktop;

class DeliverPathTest : public testing::Test {
 protected:
  DeliverPathTest() { desktop.SetForeground(desktop.Add(0, "Notepad", "Untitled - Notepad")); }

  WindowHandle AddExplorer(const char* title = "Explorer") { return desktop.Add(0, "ExploreWClass", title); }

  // The Go To box the old Explorer window opens at Alt+T, G (at the first send).
  WindowHandle AddGoToBoxTo(WindowHandle explorer) {
    const WindowHandle goTo = desktop.Add(0, "GoToBox", "Go To");
    desktop.At(goTo).owner = explorer;
    desktop.intruder = goTo;
    desktop.stealForegroundAfterSend = 1;
    return goTo;
  }

  Log Deliver(const std::string& path, bool clipboardMode) {
    outcome = delivery.Deliver(path, clipboardMode ? DeliveryMode::Pasted : DeliveryMode::Typed, 0);
    return desktop.log;
  }

  static DeliveryServices Services(FakeDesktop& d) { return {d, d, d, d, d, d, d, d, d}; }

  FakeDesktop desktop;
  PathDeliverySequence delivery{Services(desktop)};
  DeliveryOutcome outcome = DeliveryOutcome::NoTarget;
};

TEST_F(DeliverPathTest, DialogNameBoxIsFocusedByHandleThePathTypedAndEnteredThenEmptiedAgain) {
  const WindowHandle dialog = desktop.AddFileDialog("Open");
  EXPECT_EQ(Deliver("C:\\50% {x}\\", false),
            (Log{"pointer hourglass", "activate Open", "focus name box of Open", "keys \"C\" -> Open",
                 "wait Open", "keys \":\\50% {x}\\\" -> Open", "wait Open", "keys {DELETE} {ENTER} -> Open",
                 "wait Open", "write name box ", "pointer default"}));
  EXPECT_EQ(desktop.At(desktop.NameBoxOf(dialog)).title, "");
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

TEST_F(DeliverPathTest, ClipboardIsSavedBeforeAnyKeyAndRestoredWholeAfterThePaste) {
  desktop.AddFileDialog("Open");
  const FakeDesktop::Formats before{{"text", "earlier"}, {"bitmap", "pixels"}, {"files", "a.txt"}};
  desktop.clipboard = before;
  EXPECT_EQ(Deliver("C:\\Data\\", true),
            (Log{"pointer hourglass", "clipboard save", "activate Open", "focus name box of Open",
                 "clipboard set C:\\Data\\", "keys Ctrl+v -> Open", "wait Open", "clipboard restore",
                 "keys {DELETE} {ENTER} -> Open", "wait Open", "write name box ", "pointer default"}));
  EXPECT_EQ(desktop.clipboard, before);
}

TEST_F(DeliverPathTest, AClipboardTooLargeToKeepIsLeftAloneAndThePathTyped) {
  desktop.AddFileDialog("Open");
  const FakeDesktop::Formats before{{"spreadsheet range", "hundreds of megabytes"}};
  desktop.clipboard = before;
  desktop.clipboardTooLarge = true;
  const Log log = Deliver("C:\\Data\\", true);
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  EXPECT_NE(std::find(log.begin(), log.end(), "keys \":\\Data\\\" -> Open"), log.end());
  EXPECT_EQ(std::find(log.begin(), log.end(), "keys Ctrl+v -> Open"), log.end());
  EXPECT_EQ(desktop.clipboard, before);
}

TEST_F(DeliverPathTest, TheNameTheUserTypedIsInTheBoxAgainAfterwards) {
  for (const bool clipboardMode : {false, true}) {
    FakeDesktop fresh;
    PathDeliverySequence sequence{Services(fresh)};
    const WindowHandle dialog = fresh.AddFileDialog("Save As");
    fresh.At(fresh.NameBoxOf(dialog)).title = "report.txt";
    EXPECT_EQ(
        sequence.Deliver("C:\\Reports\\", clipboardMode ? DeliveryMode::Pasted : DeliveryMode::Typed, 0),
        DeliveryOutcome::Delivered);
    EXPECT_EQ(fresh.At(fresh.NameBoxOf(dialog)).title, "report.txt");
    // Enter went in on exactly the path.
    const auto enter = std::find(fresh.log.begin(), fresh.log.end(), "keys {DELETE} {ENTER} -> Save As");
    ASSERT_NE(enter, fresh.log.end());
    EXPECT_EQ(std::find(enter, fresh.log.end(), "write name box report.txt") - enter, 2);
  }
}

TEST_F(DeliverPathTest, AnOpenInputMethodIsClosedWhileThePathIsTypedAndOpenedAgain) {
  desktop.AddFileDialog("Open");
  desktop.inputMethodOpen = true;
  EXPECT_EQ(Deliver("C:\\", false),
            (Log{"pointer hourglass", "activate Open", "focus name box of Open",
                 "input method closed for Open", "keys \"C\" -> Open", "wait Open", "keys \":\\\" -> Open",
                 "wait Open", "keys {DELETE} {ENTER} -> Open", "wait Open", "write name box ",
                 "input method opened for Open", "pointer default"}));
  EXPECT_TRUE(desktop.inputMethodOpen);
}

TEST_F(DeliverPathTest, AnOpenInputMethodIsOpenedAgainWhenTheDeliveryFails) {
  desktop.AddFileDialog("Open");
  desktop.inputMethodOpen = true;
  desktop.waitTimesOut = true;
  EXPECT_EQ(Deliver("C:\\", false).back(), "pointer default");
  EXPECT_NE(outcome, DeliveryOutcome::Delivered);
  EXPECT_TRUE(desktop.inputMethodOpen);
}

TEST_F(DeliverPathTest, AnInputMethodThatWillNotCloseGetsThePathPastedAndTheClipboardBack) {
  desktop.AddFileDialog("Open");
  desktop.inputMethodOpen = desktop.inputMethodStaysOpen = true;
  const FakeDesktop::Formats before{{"text", "earlier"}};
  desktop.clipboard = before;
  EXPECT_EQ(Deliver("C:\\", false),
            (Log{"pointer hourglass", "activate Open", "focus name box of Open", "clipboard save",
                 "clipboard set C:\\", "keys Ctrl+v -> Open", "wait Open", "clipboard restore",
                 "keys {DELETE} {ENTER} -> Open", "wait Open", "write name box ", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  EXPECT_EQ(desktop.clipboard, before);
}

TEST_F(DeliverPathTest, AnInputMethodThatWillNotCloseBesideAClipboardTooLargeToKeepGetsNothing) {
  const WindowHandle dialog = desktop.AddFileDialog("Save As");
  desktop.At(desktop.NameBoxOf(dialog)).title = "report.txt";
  desktop.inputMethodOpen = desktop.inputMethodStaysOpen = true;
  desktop.clipboardTooLarge = true;
  const Log log = Deliver("C:\\", false);
  EXPECT_EQ(outcome, DeliveryOutcome::InputMethodOpen);
  EXPECT_TRUE(std::none_of(log.begin(), log.end(),
                           [](const std::string& line) { return line.rfind("keys", 0) == 0; }));
  EXPECT_EQ(desktop.At(desktop.NameBoxOf(dialog)).title, "report.txt");
}

TEST_F(DeliverPathTest, APasteLeavesTheInputMethodAlone) {
  desktop.AddFileDialog("Open");
  desktop.inputMethodOpen = true;
  const Log log = Deliver("C:\\", true);
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  EXPECT_EQ(std::find(log.begin(), log.end(), "input method closed for Open"), log.end());
}

TEST_F(DeliverPathTest, AnAppendedSuggestionIsCorrectedBeforeEnter) {
  const WindowHandle dialog = desktop.AddFileDialog("Open");
  desktop.autocomplete = "Reports and more";
  EXPECT_EQ(Deliver("C:\\", false),
            (Log{"pointer hourglass", "activate Open", "focus name box of Open", "keys \"C\" -> Open",
                 "wait Open", "keys \":\\\" -> Open", "wait Open", "write name box C:\\",
                 "keys {DELETE} {ENTER} -> Open", "wait Open", "write name box ", "pointer default"}));
  EXPECT_EQ(desktop.At(desktop.NameBoxOf(dialog)).title, "");
}

TEST_F(DeliverPathTest, ABoxThatWillNotHoldThePathGetsNoEnterAndItsTextBack) {
  const WindowHandle dialog = desktop.AddFileDialog("Save As");
  desktop.At(desktop.NameBoxOf(dialog)).title = "report.txt";
  desktop.autocomplete = "x";
  desktop.writeGarbles = true;
  const Log log = Deliver("C:\\", false);
  EXPECT_EQ(outcome, DeliveryOutcome::FocusLost);
  EXPECT_EQ(
      std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.find("ENTER") != l.npos; }),
      0);
  EXPECT_EQ(log[log.size() - 2], "write name box report.txt");
}

TEST_F(DeliverPathTest, AltNIsTheLastResortWhenTheBoxRefusesTheFocusByHandle) {
  desktop.AddFileDialog("Open");
  desktop.focusByHandleRefused = true;
  EXPECT_EQ(Deliver("C:\\", false),
            (Log{"pointer hourglass", "activate Open", "focus name box of Open", "keys Alt+n -> Open",
                 "wait Open", "keys \"C\" -> Open", "wait Open", "keys \":\\\" -> Open", "wait Open",
                 "keys {DELETE} {ENTER} -> Open", "wait Open", "write name box ", "pointer default"}));
}

TEST_F(DeliverPathTest, ADialogThatClosesOnEnterGetsNothingMore) {
  const WindowHandle dialog = desktop.AddFileDialog("Choose Folder");
  desktop.At(dialog).closeOnEnter = true;
  desktop.At(desktop.NameBoxOf(dialog)).title = "old";
  EXPECT_EQ(Deliver("C:\\", false),
            (Log{"pointer hourglass", "activate Choose Folder", "focus name box of Choose Folder",
                 "keys \"C\" -> Choose Folder", "wait Choose Folder", "keys \":\\\" -> Choose Folder",
                 "wait Choose Folder", "keys {DELETE} {ENTER} -> Choose Folder", "wait Choose Folder",
                 "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

TEST_F(DeliverPathTest, AClickOnTheIconMidWayIsOutwaitedAndTheDeliveryFinished) {
  const WindowHandle dialog = desktop.AddFileDialog("Open");
  const WindowHandle tray = desktop.Add(0, "Shell_TrayWnd", "");
  desktop.At(tray).own = true;
  desktop.intruder = tray;
  desktop.stealForegroundAfterSend = 1;
  EXPECT_EQ(Deliver("C:\\", false),
            (Log{"pointer hourglass", "activate Open", "focus name box of Open", "keys \"C\" -> Open",
                 "wait Open", "activate Open", "keys \":\\\" -> Open", "wait Open",
                 "keys {DELETE} {ENTER} -> Open", "wait Open", "write name box ", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  EXPECT_EQ(desktop.At(desktop.NameBoxOf(dialog)).title, "");
}

TEST_F(DeliverPathTest, ExplorerGetsGoToThePathAndAnEnterThatIsNotAwaited) {
  AddGoToBoxTo(AddExplorer());
  EXPECT_EQ(Deliver("D:\\x\\", false),
            (Log{"pointer hourglass", "activate Explorer", "keys Alt+t \"g\" -> Explorer", "wait Explorer",
                 "keys \"D\" -> Go To", "wait Explorer", "keys \":\\x\\\" -> Go To", "wait Explorer",
                 "keys {ENTER} -> Go To", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

TEST_F(DeliverPathTest, AnExplorerWindowWhoseGoToBoxDoesNotComeUpGetsNoPathAndSaysSo) {
  // Alt+T lost in a window still busy with its restore: the path would go to the folder view, and
  // the delivery must not end as if it had arrived.
  AddExplorer();
  EXPECT_EQ(Deliver("D:\\x\\", false),
            (Log{"pointer hourglass", "activate Explorer", "keys Alt+t \"g\" -> Explorer", "wait Explorer",
                 "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::FocusLost);
}

TEST_F(DeliverPathTest, KeysFollowIntoTheGoToBoxTheTargetOpens) {
  const WindowHandle explorer = AddExplorer();
  const WindowHandle goTo = desktop.Add(0, "GoToBox", "Go To");
  desktop.At(goTo).owner = explorer;
  desktop.intruder = goTo;
  desktop.stealForegroundAfterSend = 1;
  EXPECT_EQ(Deliver("D:\\x\\", false),
            (Log{"pointer hourglass", "activate Explorer", "keys Alt+t \"g\" -> Explorer", "wait Explorer",
                 "keys \"D\" -> Go To", "wait Explorer", "keys \":\\x\\\" -> Go To", "wait Explorer",
                 "keys {ENTER} -> Go To", "pointer default"}));
}

TEST_F(DeliverPathTest, AWindowOwnedByAnotherProgramStopsTheTyping) {
  const WindowHandle other = desktop.Add(0, "OtherApp", "Other");
  const WindowHandle popup = desktop.Add(0, "Popup", "Reminder");
  desktop.At(popup).owner = other;
  AddExplorer();
  desktop.intruder = popup;
  desktop.stealForegroundAfterSend = 1;
  EXPECT_EQ(Deliver("D:\\", false),
            (Log{"pointer hourglass", "activate Explorer", "keys Alt+t \"g\" -> Explorer", "wait Explorer",
                 "pointer default"}));
}

TEST_F(DeliverPathTest, MinimisedExplorerIsRestoredWithoutActivationFirst) {
  const WindowHandle explorer = AddExplorer();
  desktop.At(explorer).iconic = true;
  AddGoToBoxTo(explorer);
  EXPECT_EQ(Deliver("D:\\", true),
            (Log{"pointer hourglass", "show-no-activate Explorer", "wait shown Explorer", "activate Explorer",
                 "clipboard save", "keys Alt+t \"g\" -> Explorer", "wait Explorer", "clipboard set D:\\",
                 "keys Ctrl+v -> Go To", "wait Explorer", "clipboard restore", "keys {ENTER} -> Go To",
                 "pointer default"}));
}

TEST_F(DeliverPathTest, AMinimisedFileDialogIsRestoredBeforeItsNameBoxGetsThePath) {
  const WindowHandle dialog = desktop.AddFileDialog("Save As");
  desktop.At(dialog).iconic = true;
  desktop.At(desktop.NameBoxOf(dialog)).title = "report.txt";
  EXPECT_EQ(Deliver("D:\\", false),
            (Log{"pointer hourglass", "show-no-activate Save As", "wait shown Save As", "activate Save As",
                 "focus name box of Save As", "keys \"D\" -> Save As", "wait Save As",
                 "keys \":\\\" -> Save As", "wait Save As", "keys {DELETE} {ENTER} -> Save As",
                 "wait Save As", "write name box report.txt", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

// A window whose restore does not take effect in time (its thread was busy).
class StaysMinimisedDesktop : public FakeDesktop {
 public:
  void ShowNoActivate(WindowHandle window) override { log.push_back("show-no-activate " + Name(window)); }
};

TEST(DeliverPathToMinimisedExplorerTest, ExplorerThatStaysMinimisedGetsNoKeys) {
  // Alt+T in a minimised window opens its system menu; the path and Enter would pick from it.
  StaysMinimisedDesktop desktop;
  desktop.At(desktop.Add(0, "ExploreWClass", "Explorer")).iconic = true;
  PathDeliverySequence delivery{
      {desktop, desktop, desktop, desktop, desktop, desktop, desktop, desktop, desktop}};
  EXPECT_EQ(delivery.Deliver("D:\\", DeliveryMode::Typed, 0), DeliveryOutcome::ActivationRefused);
  EXPECT_EQ(desktop.log, (Log{"pointer hourglass", "show-no-activate Explorer", "wait shown Explorer",
                              "show-no-activate Explorer", "wait shown Explorer", "show-no-activate Explorer",
                              "wait shown Explorer", "pointer default"}));
}

// The window the user asked from: it alone gets the path, whatever the search would choose.
TEST_F(DeliverPathTest, AGivenWindowGetsThePathWhateverTheSearchWouldChoose) {
  desktop.AddFileDialog("Open");
  const WindowHandle explorer = AddExplorer();
  AddGoToBoxTo(explorer);
  outcome = delivery.Deliver("D:\\x\\", DeliveryMode::Typed, explorer);
  EXPECT_EQ(desktop.log,
            (Log{"pointer hourglass", "activate Explorer", "keys Alt+t \"g\" -> Explorer", "wait Explorer",
                 "keys \"D\" -> Go To", "wait Explorer", "keys \":\\x\\\" -> Go To", "wait Explorer",
                 "keys {ENTER} -> Go To", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);

  desktop.log.clear();
  const WindowHandle behind = desktop.AddFileDialog("Save As");
  outcome = delivery.Deliver("C:\\", DeliveryMode::Typed, behind);
  EXPECT_EQ(desktop.log.at(1), "activate Save As");
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

TEST_F(DeliverPathTest, AGivenWindowThatIsNoTargetGetsNothing) {
  desktop.AddFileDialog("Open");
  const WindowHandle find = desktop.Add(0, "#32770", "Find");
  desktop.AddControl(find, kFileNameEditId);
  const WindowHandle gone = AddExplorer();
  desktop.At(gone).visible = false;
  for (const WindowHandle window : {find, gone, desktop.Foreground()}) {
    desktop.log.clear();
    EXPECT_EQ(delivery.Deliver("C:\\", DeliveryMode::Typed, window), DeliveryOutcome::NoTarget);
    EXPECT_EQ(desktop.log, (Log{"pointer hourglass", "pointer default"}));
  }
}

TEST_F(DeliverPathTest, DialogWinsOverAnExplorerWindowInFront) {
  const WindowHandle explorer = AddExplorer();
  desktop.SetForeground(explorer);
  desktop.AddFileDialog("Save As");
  const Log log = Deliver("E:\\", false);
  EXPECT_EQ(log[1], "activate Save As");
  EXPECT_EQ(log[2], "focus name box of Save As");
}

TEST_F(DeliverPathTest, NoTargetOnlyShowsTheHourglass) {
  desktop.Add(0, "#32770", "");  // an untitled dialog is never a target
  desktop.Add(0, "IEFrame", "Some page");
  desktop.At(desktop.AddFolderWindow("Hidden folder")).visible = false;
  EXPECT_EQ(Deliver("C:\\", false), (Log{"pointer hourglass", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::NoTarget);
  EXPECT_EQ(delivery.FoundWindows(), (std::vector<WindowHandle>{0}));
}

// --- the folder windows of today and Wine's Explorer ---

TEST_F(DeliverPathTest, TheShellsWindowListShowsTheFolderInTheTabTheUserSees) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  const std::vector<WindowHandle> tabs = desktop.TabsIn(frame);
  // The hidden tab is listed first: the visible one must still be the one chosen.
  desktop.shellTabs[frame] = {tabs[1], tabs[0]};
  desktop.clipboard = {{"text", "earlier"}};
  EXPECT_EQ(Deliver("D:\\Projects\\", true),
            (Log{"pointer hourglass", "activate Documents", "shell tabs of Documents",
                 "shell navigate Documents tab Shown tab to D:\\Projects\\", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  EXPECT_EQ(desktop.clipboard, (FakeDesktop::Formats{{"text", "earlier"}}));
}

TEST_F(DeliverPathTest, TheAddressBarTypedIntoHasItsInputMethodClosedMeanwhile) {
  desktop.AddFolderWindow("Documents");
  desktop.inputMethodOpen = true;
  const Log log = Deliver("D:\\x\\", false);
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  const auto closed = std::find(log.begin(), log.end(), "input method closed for Documents");
  const auto firstCharacter = std::find(log.begin(), log.end(), "keys \"D\" -> Documents");
  const auto opened = std::find(log.begin(), log.end(), "input method opened for Documents");
  EXPECT_TRUE(closed < firstCharacter && firstCharacter < opened && opened != log.end());
  EXPECT_TRUE(desktop.inputMethodOpen);
}

// The address bar by keys, as it goes wherever the shell's list does not take the folder.
const Log kAddressBarTyped{"keys Alt+d -> Documents",
                           "wait Documents",
                           "keys \"D\" -> Documents",
                           "wait Documents",
                           "keys \":\\x\\\" -> Documents",
                           "wait Documents",
                           "keys {ENTER} -> Documents",
                           "wait Documents",
                           "pointer default"};

struct ShellListCase {
  const char* name;
  std::function<void(FakeDesktop&, WindowHandle frame)> arrange;
  Log shellSteps;  // between the activation and the first key
};

class ShellListFallbackTest : public DeliverPathTest, public testing::WithParamInterface<ShellListCase> {};

TEST_P(ShellListFallbackTest, TheAddressBarGetsThePathByKeys) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  GetParam().arrange(desktop, frame);
  Log expected{"pointer hourglass", "activate Documents"};
  expected.insert(expected.end(), GetParam().shellSteps.begin(), GetParam().shellSteps.end());
  expected.insert(expected.end(), kAddressBarTyped.begin(), kAddressBarTyped.end());
  EXPECT_EQ(Deliver("D:\\x\\", false), expected);
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  EXPECT_EQ(desktop.At(desktop.At(frame).addressBox).title, "D:\\x\\");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShellListFallbackTest,
    testing::Values(
        ShellListCase{"WindowNotListed", [](FakeDesktop&, WindowHandle) {}, {"shell tabs of Documents"}},
        ShellListCase{"ListUnavailable",
                      [](FakeDesktop& d, WindowHandle) { d.shellUnavailable = true; },
                      {"shell tabs of Documents"}},
        ShellListCase{"OnlyTheHiddenTabListed",
                      [](FakeDesktop& d, WindowHandle frame) { d.shellTabs[frame] = {d.TabsIn(frame)[1]}; },
                      {"shell tabs of Documents"}},
        ShellListCase{"NavigationRefused",
                      [](FakeDesktop& d, WindowHandle frame) {
                        d.shellTabs[frame] = d.TabsIn(frame);
                        d.navigateRefused = true;
                      },
                      {"shell tabs of Documents", "shell navigate Documents tab Shown tab to D:\\x\\"}}),
    [](const testing::TestParamInfo<ShellListCase>& info) { return std::string(info.param.name); });

TEST_F(DeliverPathTest, TheTabInFrontIsNavigatedWhenTheTabsBehindItAreShownToo) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  const std::vector<WindowHandle> tabs = desktop.TabsIn(frame);
  desktop.At(tabs[1]).visible = true;
  desktop.shellTabs[frame] = {tabs[1], tabs[0]};
  const Log log = Deliver("D:\\x\\", false);
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  EXPECT_EQ(Log(log.end() - 2, log.end()),
            (Log{"shell navigate Documents tab Shown tab to D:\\x\\", "pointer default"}));
}

// A shell whose window list does not answer in time gets no key: the delivery ends there.
struct HungShellCase {
  const char* name;
  std::function<void(FakeDesktop&, WindowHandle frame)> arrange;
  Log shellSteps;
};

class HungShellTest : public DeliverPathTest, public testing::WithParamInterface<HungShellCase> {};

TEST_P(HungShellTest, NoKeyIsSentAndTheOutcomeSaysSo) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  GetParam().arrange(desktop, frame);
  Log expected{"pointer hourglass", "activate Documents"};
  expected.insert(expected.end(), GetParam().shellSteps.begin(), GetParam().shellSteps.end());
  expected.push_back("pointer default");
  EXPECT_EQ(Deliver("D:\\x\\", true), expected);
  EXPECT_EQ(outcome, DeliveryOutcome::ShellNotAnswering);
  EXPECT_EQ(desktop.At(desktop.At(frame).addressBox).title, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HungShellTest,
    testing::Values(HungShellCase{"WhenAskedForTheTabs",
                                  [](FakeDesktop& d, WindowHandle) { d.shellHangs = true; },
                                  {"shell tabs of Documents"}},
                    HungShellCase{
                        "WhenToldToNavigate",
                        [](FakeDesktop& d, WindowHandle frame) {
                          d.shellTabs[frame] = d.TabsIn(frame);
                          d.navigateHangs = true;
                        },
                        {"shell tabs of Documents", "shell navigate Documents tab Shown tab to D:\\x\\"}}),
    [](const testing::TestParamInfo<HungShellCase>& info) { return std::string(info.param.name); });

// The folder window of Windows 11 from 23H2 on: the shell's list is its only way in.
TEST_F(DeliverPathTest, AFolderTheShellTookButDoesNotShowIsNotDeliveredAndNoKeyFollows) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.shellTabs[frame] = desktop.TabsIn(frame);
  desktop.navigateNotShown = true;
  EXPECT_EQ(Deliver("D:\\x\\", false),
            (Log{"pointer hourglass", "activate Documents", "shell tabs of Documents",
                 "shell navigate Documents tab Shown tab to D:\\x\\", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::NotShown);
}

class XamlFolderWindowTest : public DeliverPathTest, public testing::WithParamInterface<bool> {};

TEST_P(XamlFolderWindowTest, GetsTheFolderThroughTheShellOnly) {
  const WindowHandle frame = desktop.AddXamlFolderWindow("Documents", GetParam());
  EXPECT_EQ(Deliver("D:\\x\\", false),
            (Log{"pointer hourglass", "activate Documents", "shell tabs of Documents", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::NoWayIn);

  desktop.log.clear();
  desktop.shellTabs[frame] = desktop.TabsIn(frame);
  EXPECT_EQ(Deliver("D:\\x\\", true),
            (Log{"pointer hourglass", "activate Documents", "shell tabs of Documents",
                 "shell navigate Documents tab Shown tab to D:\\x\\", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

INSTANTIATE_TEST_SUITE_P(ClassicWindowsRemaining, XamlFolderWindowTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "HiddenClassicAddressBar" : "NoClassicWindows");
                         });

TEST_F(DeliverPathTest, AnAddressBoxThatTakesTheFocusButStaysHiddenGetsNoPath) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.addressBoxStaysHidden = true;
  const Log log = Deliver("D:\\x\\", false);
  EXPECT_EQ(outcome, DeliveryOutcome::FocusLost);
  EXPECT_EQ(
      std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.find("keys \"") == 0; }), 0);
  EXPECT_EQ(desktop.At(desktop.At(frame).addressBox).title, "");
}

TEST_F(DeliverPathTest, AMinimisedFolderWindowIsActivatedOnceItShowsAgain) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.At(frame).iconic = true;
  desktop.shellTabs[frame] = desktop.TabsIn(frame);
  desktop.restoreLate = true;
  const Log log = Deliver("D:\\x\\", false);
  EXPECT_EQ(Log(log.begin(), log.begin() + 4), (Log{"pointer hourglass", "show-no-activate Documents",
                                                    "wait shown Documents", "activate Documents"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

TEST_F(DeliverPathTest, WhereAltDDoesNothingF4AndThenCtrlLOpenTheAddressBox) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.addressKeys = {"Ctrl+l"};
  const Log log = Deliver("D:\\x\\", false);
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  EXPECT_EQ(Log(log.begin() + 3, log.begin() + 9),
            (Log{"keys Alt+d -> Documents", "wait Documents", "keys {F4} -> Documents", "wait Documents",
                 "keys Ctrl+l -> Documents", "wait Documents"}));
  EXPECT_EQ(desktop.At(desktop.At(frame).addressBox).title, "D:\\x\\");
}

TEST_F(DeliverPathTest, AnAddressBoxThatNoKeyOpensGetsNoPath) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.At(desktop.At(frame).addressBox).title = "C:\\Before";
  desktop.addressKeys.clear();
  const Log log = Deliver("D:\\x\\", true);
  EXPECT_EQ(outcome, DeliveryOutcome::FocusLost);
  EXPECT_EQ(Log(log.end() - 3, log.end()),
            (Log{"keys Ctrl+l -> Documents", "wait Documents", "pointer default"}));
  EXPECT_EQ(desktop.At(desktop.At(frame).addressBox).title, "C:\\Before");
}

TEST_F(DeliverPathTest, ThePastedPathIsCheckedAndAnAppendedSuggestionCorrectedBeforeEnter) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.clipboard = {{"text", "earlier"}};
  desktop.autocomplete = "Projects";
  EXPECT_EQ(Deliver("D:\\", true),
            (Log{"pointer hourglass", "activate Documents", "shell tabs of Documents", "clipboard save",
                 "keys Alt+d -> Documents", "wait Documents", "clipboard set D:\\",
                 "keys Ctrl+v -> Documents", "wait Documents", "clipboard restore", "write name box D:\\",
                 "keys {ENTER} -> Documents", "wait Documents", "pointer default"}));
  EXPECT_EQ(desktop.clipboard, (FakeDesktop::Formats{{"text", "earlier"}}));
  EXPECT_EQ(desktop.At(desktop.At(frame).addressBox).title, "D:\\");
}

TEST_F(DeliverPathTest, WinesExplorerPathBoxIsFocusedByItsHandle) {
  const WindowHandle frame = desktop.AddWineExplorer("Wine Explorer");
  EXPECT_EQ(Deliver("D:\\x\\", false),
            (Log{"pointer hourglass", "activate Wine Explorer", "focus name box of Wine Explorer",
                 "keys \"D\" -> Wine Explorer", "wait Wine Explorer", "keys \":\\x\\\" -> Wine Explorer",
                 "wait Wine Explorer", "keys {ENTER} -> Wine Explorer", "wait x", "pointer default"}));
  EXPECT_EQ(desktop.At(desktop.At(frame).addressBox).title, "D:\\x\\");
}

// After Enter, a target that shows its folder where it can be read (an item dialog's or a folder
// window's breadcrumb bar, Wine Explorer's title) must show the folder, or something else than
// before (a display name): otherwise the Enter moved nothing and the delivery says so.
struct AfterEnterCase {
  const char* name;
  const char* target;  // "item dialog", "folder window" or "wine explorer"
  std::string shownBefore;
  std::string path;
  bool enterIgnored;
  DeliveryOutcome outcome;
};

void PrintTo(const AfterEnterCase& c, std::ostream* out) { *out << c.name; }

class AfterEnterTest : public DeliverPathTest, public testing::WithParamInterface<AfterEnterCase> {};

TEST_P(AfterEnterTest, TheTargetShowsTheFolderOrTheDeliverySaysItDoesNot) {
  const AfterEnterCase& c = GetParam();
  const std::string target = c.target;
  WindowHandle nameBox = 0;
  if (target == "item dialog") {
    const WindowHandle dialog = desktop.AddFileDialog("Save As");
    desktop.AddBreadcrumbs(dialog, c.shownBefore);
    nameBox = desktop.NameBoxOf(dialog);
    desktop.At(nameBox).title = "report.txt";
  } else if (target == "folder window") {
    const WindowHandle frame = desktop.AddFolderWindow("Documents");
    desktop.ShowFolder(frame, c.shownBefore);
  } else {
    desktop.ShowFolder(desktop.AddWineExplorer("Wine Explorer"), c.shownBefore);
  }
  desktop.enterIgnored = c.enterIgnored;
  Deliver(c.path, false);
  EXPECT_EQ(outcome, c.outcome);
  // The user's name is back in the dialog either way.
  if (nameBox != 0) {
    EXPECT_EQ(desktop.At(nameBox).title, "report.txt");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AfterEnterTest,
    testing::Values(AfterEnterCase{"DialogMoved", "item dialog", "C:\\Start", "D:\\x\\", false,
                                   DeliveryOutcome::Delivered},
                    AfterEnterCase{"DialogStayed", "item dialog", "C:\\Start", "D:\\x\\", true,
                                   DeliveryOutcome::NotShown},
                    AfterEnterCase{"DialogWasThereAlready", "item dialog", "d:\\X", "D:\\x\\", true,
                                   DeliveryOutcome::Delivered},
                    AfterEnterCase{"FolderWindowMoved", "folder window", "C:\\Start", "D:\\x\\", false,
                                   DeliveryOutcome::Delivered},
                    AfterEnterCase{"FolderWindowStayed", "folder window", "C:\\Start", "D:\\x\\", true,
                                   DeliveryOutcome::NotShown},
                    AfterEnterCase{"WineExplorerMoved", "wine explorer", "C:\\windows", "D:\\x\\", false,
                                   DeliveryOutcome::Delivered},
                    AfterEnterCase{"WineExplorerStayed", "wine explorer", "C:\\windows", "D:\\x\\", true,
                                   DeliveryOutcome::NotShown},
                    // A drive's root shows in the title under a name of its own: nothing can be told.
                    AfterEnterCase{"WineExplorerAtARoot", "wine explorer", "C:\\windows", "D:\\", true,
                                   DeliveryOutcome::Delivered}),
    [](const testing::TestParamInfo<AfterEnterCase>& info) { return std::string(info.param.name); });

TEST_F(DeliverPathTest, AMinimisedFolderWindowIsRestoredAndBroughtBackWhenItGivesTheFrontAway) {
  const WindowHandle chat = desktop.Add(0, "Chat", "Chat");
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.At(frame).iconic = true;
  desktop.shellTabs[frame] = desktop.TabsIn(frame);
  desktop.activationThief = chat;
  desktop.frontLostAfterActivation = 1;
  EXPECT_EQ(Deliver("D:\\x\\", false),
            (Log{"pointer hourglass", "show-no-activate Documents", "wait shown Documents",
                 "activate Documents", "activate Documents", "shell tabs of Documents",
                 "shell navigate Documents tab Shown tab to D:\\x\\", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

TEST_F(DeliverPathTest, AnExplorerWindowThatGivesTheFrontAwayRightAfterItsActivationIsBroughtBack) {
  const WindowHandle chat = desktop.Add(0, "Chat", "Chat");
  const WindowHandle explorer = AddExplorer();
  desktop.At(explorer).iconic = true;
  AddGoToBoxTo(explorer);
  desktop.activationThief = chat;
  desktop.frontLostAfterActivation = 1;
  const Log log = Deliver("D:\\", false);
  EXPECT_EQ(Log(log.begin(), log.begin() + 6),
            (Log{"pointer hourglass", "show-no-activate Explorer", "wait shown Explorer", "activate Explorer",
                 "activate Explorer", "keys Alt+t \"g\" -> Explorer"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

TEST_F(DeliverPathTest, TheFrontGivenToNobodyMidWayIsTakenBack) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.intruder = desktop.Desktop();
  desktop.stealForegroundAfterSend = 1;
  EXPECT_EQ(Deliver("D:\\x\\", false),
            (Log{"pointer hourglass", "activate Documents", "shell tabs of Documents",
                 "keys Alt+d -> Documents", "wait Documents", "activate Documents", "keys \"D\" -> Documents",
                 "wait Documents", "keys \":\\x\\\" -> Documents", "wait Documents",
                 "keys {ENTER} -> Documents", "wait Documents", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
  EXPECT_EQ(desktop.At(desktop.At(frame).addressBox).title, "D:\\x\\");
}

TEST_F(DeliverPathTest, AFrontPassingThroughNobodyToAnotherProgramIsNotTakenBack) {
  const WindowHandle witness = desktop.Add(0, "#32770", "Witness");
  desktop.AddFileDialog("Open");
  // The dialog gives the front away at the first key; for a moment the system reports none.
  desktop.intruder = 0;
  desktop.stealForegroundAfterSend = 1;
  desktop.frontSettlesOn = witness;
  const Log log = Deliver("D:\\x\\", false);
  EXPECT_EQ(outcome, DeliveryOutcome::FocusLost);
  EXPECT_EQ(std::count(log.begin(), log.end(), "activate Open"), 1);
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.find("keys") == 0; }),
            1);
  EXPECT_EQ(desktop.Foreground(), witness);
}

TEST_F(DeliverPathTest, AWindowThatWillNotStayInFrontGetsNothingAndSaysSo) {
  const WindowHandle chat = desktop.Add(0, "Chat", "Chat");
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.shellTabs[frame] = desktop.TabsIn(frame);
  desktop.activationThief = chat;
  desktop.frontLostAfterActivation = 100;
  EXPECT_EQ(Deliver("D:\\x\\", false), (Log{"pointer hourglass", "activate Documents", "activate Documents",
                                            "activate Documents", "pointer default"}));
  EXPECT_EQ(outcome, DeliveryOutcome::ActivationRefused);
}

TEST_F(DeliverPathTest, AFileDialogWinsOverAFolderWindowInFront) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.shellTabs[frame] = desktop.TabsIn(frame);
  desktop.SetForeground(frame);
  desktop.AddFileDialog("Open");
  const Log log = Deliver("E:\\", false);
  EXPECT_EQ(Log(log.begin() + 1, log.begin() + 3), (Log{"activate Open", "focus name box of Open"}));
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.find("shell") == 0; }),
            0);
}

// Every way a delivery can fail: its outcome, and what reached the outside world before it ended.
struct FailureCase {
  const char* name;
  std::string path = "C:\\Data\\";
  bool clipboardMode = false;
  std::function<void(FakeDesktop&, WindowHandle dialog, WindowHandle chat)> arrange;
  DeliveryOutcome outcome;
  Log log;
};

class DeliveryFailureTest : public DeliverPathTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(DeliveryFailureTest, EndsWithItsOutcomeAndSendsNothingMore) {
  const FailureCase& c = GetParam();
  const WindowHandle chat = desktop.Add(0, "Chat", "Chat");
  const WindowHandle dialog = desktop.AddFileDialog("Open");
  desktop.At(desktop.NameBoxOf(dialog)).title = "report.txt";
  desktop.clipboard = {{"text", "earlier"}};
  desktop.intruder = chat;
  c.arrange(desktop, dialog, chat);
  EXPECT_EQ(Deliver(c.path, c.clipboardMode), c.log);
  EXPECT_EQ(outcome, c.outcome);
  EXPECT_EQ(desktop.clipboard, (FakeDesktop::Formats{{"text", "earlier"}}));
  EXPECT_EQ(desktop.At(desktop.NameBoxOf(dialog)).title, "report.txt");
}

const Log kNothingSent{"pointer hourglass", "pointer default"};
const auto kAsItIs = [](FakeDesktop&, WindowHandle, WindowHandle) {};

FailureCase InvalidFolder(const char* name, std::string path) {
  return {name, std::move(path), false, kAsItIs, DeliveryOutcome::FolderInvalid, kNothingSent};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeliveryFailureTest,
    testing::Values(
        InvalidFolder("EmptyEntry", ""), InvalidFolder("OnlyBlanks", "   "),
        InvalidFolder("LineBreak", "C:\\Data\r\nD:\\"), InvalidFolder("Tab", "C:\\Da\tta\\"),
        InvalidFolder("LongerThan259", "C:\\" + std::string(257, 'a')), InvalidFolder("Relative", "Data\\"),
        InvalidFolder("NotUtf8", "C:\\\xff\\"),
        FailureCase{"DeletedFolder", "C:\\Gone\\", true,
                    [](FakeDesktop& d, WindowHandle, WindowHandle) {
                      d.folderStates["C:\\Gone\\"] = FolderState::NotFolder;
                    },
                    DeliveryOutcome::FolderInvalid, kNothingSent},
        FailureCase{"ElevatedTarget", "C:\\Data\\", false,
                    [](FakeDesktop& d, WindowHandle dialog, WindowHandle) { d.At(dialog).elevated = true; },
                    DeliveryOutcome::TargetElevated, kNothingSent},
        FailureCase{"ClipboardCannotBeSaved",
                    "C:\\Data\\",
                    true,
                    [](FakeDesktop& d, WindowHandle, WindowHandle) { d.clipboardBusy = true; },
                    DeliveryOutcome::ClipboardBusy,
                    {"pointer hourglass", "clipboard save", "pointer default"}},
        FailureCase{"ActivationRefused",
                    "C:\\Data\\",
                    true,
                    [](FakeDesktop& d, WindowHandle, WindowHandle) { d.refuseActivation = true; },
                    DeliveryOutcome::ActivationRefused,
                    // Asked a few times, as a window finishing its restore may refuse at first.
                    {"pointer hourglass", "clipboard save", "activate Open", "activate Open", "activate Open",
                     "pointer default"}},
        FailureCase{"NameBoxDoesNotAnswer", "C:\\Data\\", false,
                    [](FakeDesktop& d, WindowHandle, WindowHandle) { d.textTimesOut = true; },
                    DeliveryOutcome::TargetStoppedAnswering, kNothingSent},
        FailureCase{"ForegroundLostAtTheFocus",
                    "C:\\Data\\",
                    false,
                    [](FakeDesktop& d, WindowHandle, WindowHandle) {
                      d.focusByHandleRefused = true;
                      d.stealForegroundAfterSend = 1;
                    },
                    DeliveryOutcome::FocusLost,
                    {"pointer hourglass", "activate Open", "focus name box of Open", "keys Alt+n -> Open",
                     "wait Open", "pointer default"}},
        FailureCase{"ForegroundLostAtTheFirstKey",
                    "C:\\Data\\",
                    false,
                    [](FakeDesktop& d, WindowHandle, WindowHandle) { d.stealForegroundAfterSend = 1; },
                    DeliveryOutcome::FocusLost,
                    {"pointer hourglass", "activate Open", "focus name box of Open", "keys \"C\" -> Open",
                     "wait Open", "write name box report.txt", "pointer default"}},
        FailureCase{"ForegroundLostAfterThePath",
                    "C:\\Data\\",
                    false,
                    [](FakeDesktop& d, WindowHandle, WindowHandle) { d.stealForegroundAfterSend = 2; },
                    DeliveryOutcome::FocusLost,
                    {"pointer hourglass", "activate Open", "focus name box of Open", "keys \"C\" -> Open",
                     "wait Open", "keys \":\\Data\\\" -> Open", "wait Open", "write name box report.txt",
                     "pointer default"}},
        FailureCase{"ForegroundLostAfterThePasteStillRestoresTheClipboard",
                    "C:\\Data\\",
                    true,
                    [](FakeDesktop& d, WindowHandle, WindowHandle) { d.stealForegroundAfterSend = 1; },
                    DeliveryOutcome::FocusLost,
                    {"pointer hourglass", "clipboard save", "activate Open", "focus name box of Open",
                     "clipboard set C:\\Data\\", "keys Ctrl+v -> Open", "wait Open", "clipboard restore",
                     "write name box report.txt", "pointer default"}},
        FailureCase{"TargetNeverProcessesTheKeys",
                    "C:\\Data\\",
                    false,
                    [](FakeDesktop& d, WindowHandle, WindowHandle) { d.waitTimesOut = true; },
                    DeliveryOutcome::TargetStoppedAnswering,
                    {"pointer hourglass", "activate Open", "focus name box of Open", "keys \"C\" -> Open",
                     "wait Open", "write name box report.txt", "pointer default"}}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(DeliverPathTest, ANetworkFolderThatCannotBeCheckedInTimeIsDeliveredAsBefore) {
  desktop.AddFileDialog("Open");
  desktop.folderStates["\\\\server\\share\\"] = FolderState::Unknown;
  Deliver("\\\\server\\share\\", false);
  EXPECT_EQ(outcome, DeliveryOutcome::Delivered);
}

TEST_F(DeliverPathTest, TheLongestPathADialogTakesIsDelivered) {
  desktop.AddFileDialog("Open");
  const std::string path = "C:\\" + std::string(256, 'a');  // 259 characters
  EXPECT_EQ(delivery.Deliver(path, DeliveryMode::Typed, 0), DeliveryOutcome::Delivered);
}

TEST_F(DeliverPathTest, ExplorerIsUsedWhenOnlyOtherDialogsAreOpen) {
  desktop.Add(0, "#32770", "Warning");
  desktop.At(desktop.AddFileDialog("Hidden")).visible = false;
  const WindowHandle hiddenExplorer = AddExplorer("Hidden Explorer");
  desktop.At(hiddenExplorer).visible = false;
  const WindowHandle explorer = AddExplorer();
  const Log log = Deliver("C:\\", false);
  EXPECT_EQ(log[1], "activate Explorer");
  // The Explorer search replaced the dialog search's result.
  EXPECT_EQ(delivery.FoundWindows(), (std::vector<WindowHandle>{0, hiddenExplorer, explorer}));
}

}  // namespace
}  // namespace dm

namespace dm {
namespace {

TEST_F(DeliverPathTest, LookingAroundFindsTheFoldersOpenAndTheOneTheTargetShows) {
  const WindowHandle back = desktop.AddFolderWindow("Back");
  desktop.shellTabs[back] = desktop.TabsIn(back);
  desktop.shellUrls[desktop.TabsIn(back)[0]] = "file:///D:/Shown";
  desktop.shellUrls[desktop.TabsIn(back)[1]] = "file:///D:/Behind";
  const WindowHandle dialog = desktop.AddFileDialog("Save As");
  desktop.AddBreadcrumbs(dialog, "C:\\Reports");
  const Whereabouts around = delivery.LookAround(0);
  EXPECT_EQ(around.targetFolder, "C:\\Reports");
  EXPECT_EQ(around.openFolders, (std::vector<std::string>{"D:\\Shown", "D:\\Behind"}));
}

TEST_F(DeliverPathTest, AFolderWindowsOwnFolderIsNotAmongTheOpenOnesWhenItIsTheTarget) {
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  desktop.shellTabs[frame] = desktop.TabsIn(frame);
  desktop.shellUrls[desktop.TabsIn(frame)[0]] = "file:///D:/Shown";
  desktop.shellUrls[desktop.TabsIn(frame)[1]] = "file:///D:/Behind";
  const Whereabouts around = delivery.LookAround(frame);
  EXPECT_EQ(around.targetFolder, "D:\\Shown");
  EXPECT_EQ(around.openFolders, (std::vector<std::string>{"D:\\Behind"}));
  // A shell that does not answer in time leaves only what the window itself shows.
  desktop.shellHangs = true;
  const Whereabouts hung = delivery.LookAround(frame);
  EXPECT_EQ(hung.targetFolder, "C:\\Start");
  EXPECT_TRUE(hung.openFolders.empty());
}

}  // namespace
}  // namespace dm
