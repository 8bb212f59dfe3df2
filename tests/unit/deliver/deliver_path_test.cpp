#include "deliver/deliver_path.h"

#include <gtest/gtest.h>

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

  Log Deliver(const std::string& path, bool clipboardMode) {
    delivery.DeliverPath(path, clipboardMode);
    return desktop.log;
  }

  FakeDesktop desktop;
  PathDeliverySequence delivery{{desktop, desktop, desktop, desktop, desktop}};
};

TEST_F(DeliverPathTest, DialogGetsAltNThePathTypedAndEnterBackspace) {
  desktop.AddFileDialog("Open");
  EXPECT_EQ(Deliver("C:\\50% {x}\\", false),
            (Log{"pointer hourglass", "activate Open", "keys Alt+n -> Open", "wait Open",
                 "keys \"C:\\50% {x}\\\" -> Open", "wait Open", "keys {ENTER} {BS} -> Open", "wait Open",
                 "pointer default"}));
}

TEST_F(DeliverPathTest, ClipboardModePastesBetweenSavingAndRestoringEveryFormat) {
  desktop.AddFileDialog("Open");
  const FakeDesktop::Formats before{{"text", "earlier"}, {"bitmap", "pixels"}, {"files", "a.txt"}};
  desktop.clipboard = before;
  EXPECT_EQ(Deliver("C:\\Data\\", true),
            (Log{"pointer hourglass", "activate Open", "keys Alt+n -> Open", "wait Open", "clipboard save",
                 "clipboard set C:\\Data\\", "keys Ctrl+v -> Open", "wait Open", "clipboard restore",
                 "keys {ENTER} {BS} -> Open", "wait Open", "pointer default"}));
  EXPECT_EQ(desktop.clipboard, before);
}

TEST_F(DeliverPathTest, AClipboardTooLargeToKeepIsLeftAloneAndThePathTyped) {
  desktop.AddFileDialog("Open");
  const FakeDesktop::Formats before{{"spreadsheet range", "hundreds of megabytes"}};
  desktop.clipboard = before;
  desktop.clipboardTooLarge = true;
  EXPECT_EQ(Deliver("C:\\Data\\", true),
            (Log{"pointer hourglass", "activate Open", "keys Alt+n -> Open", "wait Open", "clipboard save",
                 "keys \"C:\\Data\\\" -> Open", "wait Open", "keys {ENTER} {BS} -> Open", "wait Open",
                 "pointer default"}));
  EXPECT_EQ(desktop.clipboard, before);
}

TEST_F(DeliverPathTest, ExplorerGetsGoToThePathAndAnEnterThatIsNotAwaited) {
  AddExplorer();
  EXPECT_EQ(
      Deliver("D:\\x\\", false),
      (Log{"pointer hourglass", "activate Explorer", "keys Alt+t \"g\" -> Explorer", "wait Explorer",
           "keys \"D:\\x\\\" -> Explorer", "wait Explorer", "keys {ENTER} -> Explorer", "pointer default"}));
}

TEST_F(DeliverPathTest, KeysFollowIntoTheGoToBoxTheTargetOpens) {
  const WindowHandle explorer = AddExplorer();
  const WindowHandle goTo = desktop.Add(0, "GoToBox", "Go To");
  desktop.At(goTo).owner = explorer;
  desktop.intruder = goTo;
  desktop.stealForegroundAfterSend = 1;
  EXPECT_EQ(Deliver("D:\\x\\", false),
            (Log{"pointer hourglass", "activate Explorer", "keys Alt+t \"g\" -> Explorer", "wait Explorer",
                 "keys \"D:\\x\\\" -> Go To", "wait Explorer", "keys {ENTER} -> Go To", "pointer default"}));
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
  desktop.At(AddExplorer()).iconic = true;
  EXPECT_EQ(Deliver("D:\\", true), (Log{"pointer hourglass", "show-no-activate Explorer", "activate Explorer",
                                        "keys Alt+t \"g\" -> Explorer", "wait Explorer", "clipboard save",
                                        "clipboard set D:\\", "keys Ctrl+v -> Explorer", "wait Explorer",
                                        "clipboard restore", "keys {ENTER} -> Explorer", "pointer default"}));
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
  PathDeliverySequence delivery{{desktop, desktop, desktop, desktop, desktop}};
  delivery.DeliverPath("D:\\", false);
  EXPECT_EQ(desktop.log, (Log{"pointer hourglass", "show-no-activate Explorer", "pointer default"}));
}

TEST_F(DeliverPathTest, DialogWinsOverAnExplorerWindowInFront) {
  const WindowHandle explorer = AddExplorer();
  desktop.SetForeground(explorer);
  desktop.AddFileDialog("Save As");
  const Log log = Deliver("E:\\", false);
  EXPECT_EQ(log[1], "activate Save As");
  EXPECT_EQ(log[2], "keys Alt+n -> Save As");
}

TEST_F(DeliverPathTest, NoTargetOnlyShowsTheHourglass) {
  desktop.Add(0, "#32770", "");  // an untitled dialog is never a target
  desktop.Add(0, "CabinetWClass", "Some folder");
  EXPECT_EQ(Deliver("C:\\", false), (Log{"pointer hourglass", "pointer default"}));
  EXPECT_EQ(delivery.FoundWindows(), (std::vector<WindowHandle>{0}));
}

TEST_F(DeliverPathTest, RefusedActivationTypesNothing) {
  desktop.AddFileDialog("Open");
  AddExplorer();
  desktop.refuseActivation = true;
  EXPECT_EQ(Deliver("C:\\", true), (Log{"pointer hourglass", "activate Open", "pointer default"}));
}

struct InterruptionCase {
  const char* name;
  bool clipboardMode;
  int stealAfterSend;  // 0: the foreground stays
  bool waitTimesOut;
  bool clipboardBusy;
  Log log;
};

class DeliveryInterruptionTest : public DeliverPathTest,
                                 public testing::WithParamInterface<InterruptionCase> {};

TEST_P(DeliveryInterruptionTest, StopsAtOnceAndTypesNothingMore) {
  const InterruptionCase& c = GetParam();
  const WindowHandle intruder = desktop.Add(0, "Chat", "Chat");
  desktop.AddFileDialog("Open");
  desktop.clipboard = {{"text", "earlier"}};
  desktop.intruder = intruder;
  desktop.stealForegroundAfterSend = c.stealAfterSend;
  desktop.waitTimesOut = c.waitTimesOut;
  desktop.clipboardBusy = c.clipboardBusy;
  EXPECT_EQ(Deliver("C:\\", c.clipboardMode), c.log);
  EXPECT_EQ(desktop.clipboard, (FakeDesktop::Formats{{"text", "earlier"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeliveryInterruptionTest,
    testing::Values(InterruptionCase{"ForegroundLostAfterAltN",
                                     false,
                                     1,
                                     false,
                                     false,
                                     {"pointer hourglass", "activate Open", "keys Alt+n -> Open", "wait Open",
                                      "pointer default"}},
                    InterruptionCase{"ForegroundLostAfterThePath",
                                     false,
                                     2,
                                     false,
                                     false,
                                     {"pointer hourglass", "activate Open", "keys Alt+n -> Open", "wait Open",
                                      "keys \"C:\\\" -> Open", "wait Open", "pointer default"}},
                    InterruptionCase{"ForegroundLostAfterThePasteStillRestoresTheClipboard",
                                     true,
                                     2,
                                     false,
                                     false,
                                     {"pointer hourglass", "activate Open", "keys Alt+n -> Open", "wait Open",
                                      "clipboard save", "clipboard set C:\\", "keys Ctrl+v -> Open",
                                      "wait Open", "clipboard restore", "pointer default"}},
                    InterruptionCase{"TargetNeverProcessesTheKeys",
                                     false,
                                     0,
                                     true,
                                     false,
                                     {"pointer hourglass", "activate Open", "keys Alt+n -> Open", "wait Open",
                                      "pointer default"}},
                    InterruptionCase{"ClipboardCannotBeOpened",
                                     true,
                                     0,
                                     false,
                                     true,
                                     {"pointer hourglass", "activate Open", "keys Alt+n -> Open", "wait Open",
                                      "clipboard save", "pointer default"}}),
    [](const testing::TestParamInfo<InterruptionCase>& info) { return std::string(info.param.name); });

TEST_F(DeliverPathTest, TargetIsTheFirstVisibleEnabledFileDialog) {
  desktop.Add(0, "#32770", "Warning");  // a message box
  const WindowHandle browse = desktop.Add(0, "#32770", "Browse for Folder");
  desktop.AddControl(browse, 0x3741, "SysTreeView32");
  desktop.At(desktop.AddFileDialog("Hidden")).visible = false;
  desktop.At(desktop.AddFileDialog("Blocked")).enabled = false;
  // A file dialog of the older style whose hook put a titled child dialog inside it.
  const WindowHandle open = desktop.Add(0, "#32770", "Open (old style)");
  desktop.Add(open, "#32770", "Options");
  desktop.AddControl(open, kFileNameEditId);
  desktop.AddFileDialog("Later");
  AddExplorer();

  const Log log = Deliver("C:\\", false);
  EXPECT_EQ(log[1], "activate Open (old style)");
  EXPECT_EQ(ChooseFileDialog(desktop, delivery.FoundWindows()), open);
}

TEST_F(DeliverPathTest, EmbeddedDialogIsReachedThroughItsTopLevelWindow) {
  const WindowHandle host = desktop.Add(0, "HostApp", "Host");
  const WindowHandle embedded = desktop.Add(host, "#32770", "Embedded");
  desktop.AddControl(embedded, kFileNameComboId, "ComboBox");
  const Log log = Deliver("C:\\", false);
  EXPECT_EQ(log[1], "activate Host");
  EXPECT_EQ(log[2], "keys Alt+n -> Host");
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
