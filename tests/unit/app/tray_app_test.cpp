// The tray application: start-up decisions, click recognition, the Configure commands and the
// one shutdown routine, each checked as the log of what it asked of the desktop.

#include "app/tray_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/delivery_failures.h"
#include "support/memory_settings_store.h"
#include "support/recording_tray_desktop.h"

namespace dm {
namespace {

using Log = std::vector<std::string>;

constexpr IconEvent kLeftUp = IconEvent::LeftButtonUp;
constexpr IconEvent kDoubleClick = IconEvent::LeftDoubleClick;
constexpr IconEvent kRightUp = IconEvent::RightButtonUp;
constexpr IconEvent kOther = IconEvent::Other;

class TrayAppTest : public testing::Test {
 protected:
  test::MemorySettingsStore store;
  test::RecordingTrayDesktop desktop;
  TrayApp app{TrayAppServices{store, desktop, desktop, desktop, desktop, desktop, desktop}};

  void SeedPaths(std::initializer_list<std::string> paths) {
    store.Seed("Amount", std::to_string(paths.size()));
    int i = 0;
    for (const auto& p : paths) store.Seed("Path" + std::to_string(++i), p);
  }
  void StartClean() {
    ASSERT_TRUE(app.Start());
    desktop.log.clear();
    store.ClearLog();
  }
  void Notify(std::initializer_list<IconEvent> events) {
    for (IconEvent event : events) app.OnIconEvent(event);
  }
  // Whether the Configure menu shows "&Clipboard" checked (a right click, nothing chosen).
  bool ClipboardShownChecked() {
    Notify({kRightUp});
    return desktop.log.back() == "configure menu, clipboard checked";
  }
};

// --- start-up ---------------------------------------------------------------------------------

TEST_F(TrayAppTest, StartUpLoadsThenReadsOptionAddsIconSetsPriorityAndInterval) {
  SeedPaths({"C:\\A\\", "C:\\B\\", "C:\\C\\"});
  desktop.doubleClickTime = 500;
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(store.Log(),
            (Log{"read Amount", "read Path1", "read Path2", "read Path3", "read Recent1", "read Recent2",
                 "read Recent3", "read Recent4", "read Recent5", "read Recent6", "read Recent7",
                 "read Recent8", "read Notify", "read Clipboard", "read Priority"}));
  EXPECT_EQ(desktop.log, (Log{"icon add: 3 Dashmarks", "priority normal", "timer interval 500"}));
  EXPECT_TRUE(store.Changes().empty());
}

TEST_F(TrayAppTest, FirstRunHasNoPathsClipboardOnNormalPriorityAndDefaultInterval) {
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(desktop.log, (Log{"icon add: 0 Dashmarks", "priority normal", "timer interval 320"}));
  EXPECT_EQ(app.Folders().Count(), 0u);
  EXPECT_TRUE(ClipboardShownChecked());
}

TEST_F(TrayAppTest, SecondCopyClosesBeepsAndTouchesNoSetting) {
  desktop.anotherCopy = true;
  EXPECT_FALSE(app.Start());
  EXPECT_EQ(desktop.log, (Log{"close main window", "beep"}));
  EXPECT_TRUE(store.Log().empty());
}

struct OptionCase {
  const char* stored;  // nullptr: key absent
  bool clipboard;
};

std::ostream& operator<<(std::ostream& out, const OptionCase& c) {
  return out << "Clipboard " << (c.stored ? '"' + std::string(c.stored) + '"' : std::string("absent"))
             << " -> " << (c.clipboard ? "on" : "off");
}

class ClipboardOptionAtStart : public TrayAppTest, public testing::WithParamInterface<OptionCase> {};

TEST_P(ClipboardOptionAtStart, ReadsTheStoredText) {
  if (GetParam().stored) store.Seed("Clipboard", GetParam().stored);
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(ClipboardShownChecked(), GetParam().clipboard);
}

INSTANTIATE_TEST_SUITE_P(StoredText, ClipboardOptionAtStart,
                         testing::Values(OptionCase{nullptr, true}, OptionCase{"True", true},
                                         OptionCase{"False", false}, OptionCase{"false", false},
                                         OptionCase{" FALSE ", false}, OptionCase{"", true},
                                         OptionCase{"maybe", true}, OptionCase{"0", true}));

struct PriorityCase {
  const char* stored;
  const char* applied;
};

std::ostream& operator<<(std::ostream& out, const PriorityCase& c) {
  return out << "Priority " << (c.stored ? '"' + std::string(c.stored) + '"' : std::string("absent"))
             << " -> " << c.applied;
}

class PriorityAtStart : public TrayAppTest, public testing::WithParamInterface<PriorityCase> {};

TEST_P(PriorityAtStart, OnlyNormalIdleAndHighAreAccepted) {
  if (GetParam().stored) store.Seed("Priority", GetParam().stored);
  ASSERT_TRUE(app.Start());
  EXPECT_NE(std::find(desktop.log.begin(), desktop.log.end(), std::string("priority ") + GetParam().applied),
            desktop.log.end());
  EXPECT_TRUE(store.Changes().empty()) << "Priority is never written";
}

INSTANTIATE_TEST_SUITE_P(StoredText, PriorityAtStart,
                         testing::Values(PriorityCase{nullptr, "normal"}, PriorityCase{"32", "normal"},
                                         PriorityCase{"64", "idle"}, PriorityCase{"128", "high"},
                                         PriorityCase{"256", "normal"}, PriorityCase{"0", "normal"},
                                         PriorityCase{"100", "normal"}, PriorityCase{"high", "normal"},
                                         PriorityCase{"64.0", "normal"}, PriorityCase{"", "normal"}));

// --- click recognition ------------------------------------------------------------------------

TEST_F(TrayAppTest, SingleClickWithPathsOpensTheFoldersMenuAfterTheTick) {
  SeedPaths({"C:\\A\\", "C:\\B\\"});
  StartClean();
  Notify({kOther, kLeftUp});
  EXPECT_EQ(desktop.log, (Log{"timer on"}));
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log, (Log{"timer on", "timer off", "folders menu (2 paths)"}));
}

TEST_F(TrayAppTest, SingleClickWithoutPathsShowsNothingAndStopsTheTimer) {
  StartClean();
  Notify({kOther, kLeftUp});
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log, (Log{"timer on", "timer off"}));
}

TEST_F(TrayAppTest, DoubleClickOpensTheEditorAndNoFoldersMenuFollows) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  Notify({kOther, kLeftUp, kDoubleClick, kLeftUp});
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log, (Log{"timer on", "timer off", "show editor", "timer on", "timer off"}));
}

TEST_F(TrayAppTest, RightClickShowsTheConfigureMenuUnlessTheEditorIsVisible) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  Notify({kOther, kRightUp});
  EXPECT_EQ(desktop.log, (Log{"configure menu, clipboard checked"}));
  desktop.log.clear();
  desktop.editorVisible = true;
  Notify({kOther, kRightUp, kOther, kLeftUp});
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log, (Log{"timer on", "timer off"}));
}

TEST_F(TrayAppTest, OtherEventsAreIgnored) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  Notify({kOther, kOther, kOther});
  EXPECT_TRUE(desktop.log.empty());
  // Nothing was left half-answered: a click is answered as ever.
  Notify({kRightUp});
  EXPECT_EQ(desktop.log, (Log{"configure menu, clipboard checked"}));
}

TEST_F(TrayAppTest, NotificationsWhileTheConfigureMenuIsOpenAreDropped) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.whileMenuOpen = [&] { Notify({kOther, kLeftUp, kDoubleClick, kRightUp}); };
  Notify({kRightUp});
  EXPECT_EQ(desktop.log, (Log{"configure menu, clipboard checked"}));
  // Once the menu is gone, the icon is answered again.
  desktop.whileMenuOpen = nullptr;
  Notify({kLeftUp});
  EXPECT_EQ(desktop.log.back(), "timer on");
}

TEST_F(TrayAppTest, NotificationsWhileTheFoldersMenuIsOpenAreAnswered) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  Notify({kLeftUp});
  desktop.whileMenuOpen = [&] {
    desktop.whileMenuOpen = nullptr;
    Notify({kLeftUp});
  };
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log, (Log{"timer on", "timer off", "folders menu (1 paths)", "timer on"}));
}

TEST_F(TrayAppTest, TwoSingleClicksFurtherApartThanTheIntervalEachOpenTheMenu) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  for (int click = 0; click < 2; ++click) {
    Notify({kOther, kLeftUp});
    app.OnClickTimerTick();
  }
  EXPECT_EQ(desktop.log, (Log{"timer on", "timer off", "folders menu (1 paths)", "timer on", "timer off",
                              "folders menu (1 paths)"}));
}

TEST_F(TrayAppTest, ATickDuringTheFoldersMenuCannotOpenASecondOne) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  Notify({kLeftUp});
  // The timer was stopped before the menu opened; a tick that was already queued finds it off and
  // the menu's own loop would run it: it may open at most one menu at a time.
  int depth = 0, deepest = 0;
  desktop.whileMenuOpen = [&] {
    ++depth;
    deepest = std::max(deepest, depth);
    EXPECT_EQ(desktop.log.back(), "folders menu (1 paths)");
    EXPECT_EQ(desktop.log[desktop.log.size() - 2], "timer off");
    --depth;
  };
  app.OnClickTimerTick();
  EXPECT_EQ(deepest, 1);
}

TEST_F(TrayAppTest, ChoosingAPathDeliversItsCaptionInTheCurrentMode) {
  SeedPaths({"C:\\A\\", "D:\\a%b^c&d\\"});
  StartClean();
  desktop.folderChoices = {1};
  Notify({kLeftUp});
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log.back(), "deliver D:\\a%b^c&d\\ by clipboard");
  app.OnConfigureCommand(ConfigureCommand::Clipboard);
  desktop.folderChoices = {0};
  Notify({kLeftUp});
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log.back(), "deliver C:\\A\\ by keys");
}

TEST_F(TrayAppTest, AFolderNotDeliveredIsSaidWithABeepAndATraceLineNamingTheMode) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.outcomes = {DeliveryOutcome::NoTarget};
  desktop.folderChoices = {0};
  Notify({kLeftUp});
  app.OnClickTimerTick();
  const Log clipboardEnd(desktop.log.end() - 4, desktop.log.end() - 1);
  EXPECT_EQ(clipboardEnd,
            (Log{"deliver C:\\A\\ by clipboard", "beep",
                 "trace the folder was not delivered: no file dialog or Explorer window is open "
                 "(clipboard mode)"}));
  EXPECT_EQ(desktop.log.back().rfind("notice: ", 0), 0U);
  app.OnConfigureCommand(ConfigureCommand::Clipboard);
  desktop.outcomes = {DeliveryOutcome::TargetElevated};
  desktop.folderChoices = {0};
  Notify({kLeftUp});
  app.OnClickTimerTick();
  const Log typedEnd(desktop.log.end() - 4, desktop.log.end() - 1);
  EXPECT_EQ(typedEnd, (Log{"deliver C:\\A\\ by keys", "beep",
                           "trace the folder was not delivered: the target runs with higher rights "
                           "(typed)"}));
  // A folder delivered is said by the target itself.
  desktop.folderChoices = {0};
  Notify({kLeftUp});
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log.back(), "deliver C:\\A\\ by keys");
}

// A delivery that, while it waits for its target, lets the system hand the thread icon clicks.
class ClickedDuringDelivery : public PathDelivery {
 public:
  std::function<void()> whileDelivering;
  std::vector<std::string>* log = nullptr;
  DeliveryOutcome Deliver(const std::string& path, DeliveryMode, WindowHandle) override {
    log->push_back("deliver " + path + " begins");
    if (whileDelivering) whileDelivering();
    log->push_back("deliver " + path + " ends");
    return DeliveryOutcome::Delivered;
  }
};

class TrayAppDeliveryTest : public testing::Test {
 protected:
  void SetUp() override {
    delivery.log = &desktop.log;
    store.Seed("Amount", "1");
    store.Seed("Path1", "C:\\A\\");
    ASSERT_TRUE(app.Start());
    desktop.log.clear();
  }
  // A single click, its tick and the choice of the one path, during which `clicks` arrive.
  void DeliverWhileClicking(std::initializer_list<IconEvent> clicks) {
    delivery.whileDelivering = [this, clicks] {
      for (IconEvent event : clicks) app.OnIconEvent(event);
      EXPECT_EQ(desktop.log.back(), "deliver C:\\A\\ begins");
    };
    desktop.folderChoices = {0};
    app.OnIconEvent(kLeftUp);
    app.OnClickTimerTick();
  }

  test::MemorySettingsStore store;
  test::RecordingTrayDesktop desktop;
  ClickedDuringDelivery delivery;
  TrayApp app{TrayAppServices{store, desktop, desktop, desktop, desktop, delivery, desktop}};
};

TEST_F(TrayAppDeliveryTest, ClicksDuringADeliveryAreAnsweredAfterItInOrder) {
  // Moves and presses are noise; the right click and the single click count.
  DeliverWhileClicking({kOther, kOther, kRightUp, kOther, kLeftUp});
  EXPECT_EQ(desktop.log, (Log{"timer on", "timer off", "folders menu (1 paths)", "deliver C:\\A\\ begins",
                              "deliver C:\\A\\ ends", "configure menu, clipboard checked", "timer on"}));
}

TEST_F(TrayAppDeliveryTest, RepeatedClicksDuringADeliveryCountOnce) {
  // An impatient user right-clicks again and again while the target does not answer.
  DeliverWhileClicking(
      {kRightUp, kRightUp, kRightUp, kRightUp, kRightUp, kRightUp, kRightUp, kRightUp, kRightUp, kRightUp});
  EXPECT_EQ(desktop.log, (Log{"timer on", "timer off", "folders menu (1 paths)", "deliver C:\\A\\ begins",
                              "deliver C:\\A\\ ends", "configure menu, clipboard checked"}));
}

TEST_F(TrayAppTest, ClosingTheFoldersMenuWithoutAChoiceDeliversNothing) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.folderChoices = {std::nullopt};
  Notify({kLeftUp});
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log.back(), "folders menu (1 paths)");
}

// --- Configure commands -----------------------------------------------------------------------

TEST_F(TrayAppTest, ClipboardTogglesTheCheckMarkAndStoresItAtOnce) {
  StartClean();
  desktop.configureChoices = {ConfigureCommand::Clipboard, ConfigureCommand::Clipboard};
  Notify({kRightUp});
  EXPECT_FALSE(ClipboardShownChecked());
  Notify({kRightUp});
  EXPECT_TRUE(ClipboardShownChecked());
  EXPECT_EQ(store.Changes(), (Log{"write Clipboard=False", "write Clipboard=True"}));
}

TEST_F(TrayAppTest, ListOpensTheEditor) {
  StartClean();
  desktop.configureChoices = {ConfigureCommand::List};
  Notify({kRightUp});
  EXPECT_EQ(desktop.log, (Log{"configure menu, clipboard checked", "show editor"}));
}

TEST_F(TrayAppTest, AboutShowsTheCountPaddedTo64AndDropsClicksMeanwhile) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.configureChoices = {ConfigureCommand::About};
  desktop.whileAboutOpen = [&] { Notify({kOther, kLeftUp, kRightUp}); };
  Notify({kRightUp});
  const std::string info = "1 Dashmarks are available" + std::string(64 - 25, ' ');
  EXPECT_EQ(desktop.log, (Log{"configure menu, clipboard checked", "about [" + info + "]"}));
}

TEST_F(TrayAppTest, ExitSavesRemovesTheIconAndEnds) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.configureChoices = {ConfigureCommand::Clipboard};
  Notify({kRightUp});
  desktop.configureChoices = {ConfigureCommand::Exit};
  Notify({kRightUp});
  EXPECT_EQ(store.Changes(), (Log{"write Clipboard=False", "write Path1=C:\\A\\", "write Clipboard=False"}));
  EXPECT_EQ(desktop.log, (Log{"configure menu, clipboard checked", "configure menu, clipboard clear",
                              "icon delete", "end"}));
}

TEST_F(TrayAppTest, AnOptionToggledWithAnEmptyListIsKept) {
  store.Seed("Clipboard", "True");
  StartClean();
  app.OnConfigureCommand(ConfigureCommand::Clipboard);
  app.OnConfigureCommand(ConfigureCommand::Exit);
  EXPECT_EQ(store.Changes(), (Log{"write Clipboard=False"}));
  EXPECT_EQ(store.Value("Clipboard"), "False");
}

// --- close rule and SaveAndExit ---------------------------------------------------------------

struct CloseCase {
  CloseReason reason;
  bool saves;
};

std::ostream& operator<<(std::ostream& out, const CloseCase& c) {
  static const char* names[] = {"window menu", "program", "end of session", "task list"};
  return out << names[static_cast<int>(c.reason)] << (c.saves ? " saves" : " saves nothing");
}

class CloseRule : public TrayAppTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRule, OnlyTheEndOfTheSessionAndTheTaskListSave) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  app.OnClose(GetParam().reason);
  if (GetParam().saves) {
    EXPECT_EQ(store.Changes(), (Log{"write Path1=C:\\A\\", "write Clipboard=True"}));
    EXPECT_EQ(desktop.log.back(), "end");
  } else {
    EXPECT_TRUE(store.Log().empty());
    EXPECT_TRUE(desktop.log.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Reasons, CloseRule,
                         testing::Values(CloseCase{CloseReason::WindowMenu, false},
                                         CloseCase{CloseReason::Program, false},
                                         CloseCase{CloseReason::EndSession, true},
                                         CloseCase{CloseReason::TaskList, true}));

TEST_F(TrayAppTest, SaveAndExitOrderWithTheEditorAndAboutOpen) {
  SeedPaths({"C:\\A\\", "C:\\B\\"});
  StartClean();
  desktop.editorVisible = true;
  desktop.aboutOpen = true;
  app.SaveAndExit();
  EXPECT_EQ(desktop.log, (Log{"icon delete", "close about", "close editor", "end"}));
  EXPECT_EQ(store.Log(),
            (Log{"read Amount", "write Path1=C:\\A\\", "write Path2=C:\\B\\", "write Clipboard=True"}));
}

TEST_F(TrayAppTest, ShellRestartAddsTheIconAgainWithTheCurrentCount) {
  SeedPaths({"C:\\A\\", "C:\\B\\"});
  StartClean();
  desktop.iconThere = false;  // the shell lost it
  app.OnTaskbarCreated();
  EXPECT_EQ(desktop.log, (Log{"icon add: 2 Dashmarks"}));
}

TEST_F(TrayAppTest, AnAnnouncedRestartThatKeptTheIconModifiesIt) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  app.OnTaskbarCreated();
  EXPECT_EQ(desktop.log, (Log{"icon add: 1 Dashmarks (failed)", "icon modify: 1 Dashmarks"}));
}

TEST_F(TrayAppTest, AnIconTheShellRefusesAtLogonIsRetriedUntilItIsAdded) {
  SeedPaths({"C:\\A\\", "C:\\B\\"});
  desktop.failingAdds = 3;
  ASSERT_TRUE(app.Start());
  EXPECT_TRUE(std::find(desktop.log.begin(), desktop.log.end(), "icon retry on") != desktop.log.end());
  EXPECT_FALSE(desktop.iconThere);
  desktop.log.clear();
  app.OnIconRetryTick();
  app.OnIconRetryTick();
  EXPECT_FALSE(desktop.iconThere);
  app.OnIconRetryTick();
  EXPECT_TRUE(desktop.iconThere);
  EXPECT_EQ(desktop.log, (Log{"icon add: 2 Dashmarks (failed)", "icon modify: 2 Dashmarks (failed)",
                              "icon add: 2 Dashmarks (failed)", "icon modify: 2 Dashmarks (failed)",
                              "icon add: 2 Dashmarks", "icon retry off"}));
}

TEST_F(TrayAppTest, AnAddThatTimedOutButWasCarriedOutEndsTheRetry) {
  desktop.failingAdds = 1;
  ASSERT_TRUE(app.Start());
  desktop.iconThere = true;  // the shell took the icon after the add had given up waiting
  desktop.log.clear();
  app.OnIconRetryTick();
  EXPECT_EQ(desktop.log,
            (Log{"icon add: 0 Dashmarks (failed)", "icon modify: 0 Dashmarks", "icon retry off"}));
}

TEST_F(TrayAppTest, ExitStopsAnIconRetry) {
  desktop.failingAdds = 5;
  ASSERT_TRUE(app.Start());
  desktop.log.clear();
  app.SaveAndExit();
  EXPECT_TRUE(std::find(desktop.log.begin(), desktop.log.end(), "icon retry off") != desktop.log.end());
}

TEST_F(TrayAppTest, ClosingTheEditorStoresTheListAtOnceAndShowsTheCountInTheTip) {
  SeedPaths({"C:\\A\\", "C:\\B\\", "C:\\C\\"});
  StartClean();
  Notify({kDoubleClick});
  ASSERT_TRUE(app.Folders().Remove(0));
  desktop.log.clear();
  app.OnEditorClosed();
  EXPECT_EQ(desktop.log, (Log{"icon modify: 2 Dashmarks"}));
  EXPECT_EQ(store.Changes(),
            (Log{"delete Path3", "write Amount=2", "write Path1=C:\\B\\", "write Path2=C:\\C\\"}));

  // Closed again with nothing changed: nothing is written.
  store.ClearLog();
  app.OnEditorClosed();
  EXPECT_TRUE(store.Changes().empty());
}

// --- the folder list's order ------------------------------------------------------------------

TEST_F(TrayAppTest, TheStoredOrderHoldsUntilTheEditorOpensThenTheDisplayOrderIsKeptAndSaved) {
  SeedPaths({"d:\\x\\", "C:\\Y\\", "c:\\b\\"});
  StartClean();
  desktop.folderChoices = {0};
  Notify({kLeftUp});
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log.back(), "deliver d:\\x\\ by clipboard");

  Notify({kDoubleClick});
  desktop.CloseEditor();
  desktop.folderChoices = {0};
  Notify({kLeftUp});
  app.OnClickTimerTick();
  EXPECT_EQ(desktop.log.back(), "deliver c:\\b\\ by clipboard");

  app.OnConfigureCommand(ConfigureCommand::Exit);
  EXPECT_EQ(store.Value("Path1"), "c:\\b\\");
  EXPECT_EQ(store.Value("Path2"), "C:\\Y\\");
  EXPECT_EQ(store.Value("Path3"), "d:\\x\\");
}

TEST_F(TrayAppTest, ExitWithoutOpeningTheEditorKeepsTheStoredOrder) {
  SeedPaths({"d:\\x\\", "C:\\Y\\"});
  StartClean();
  app.OnConfigureCommand(ConfigureCommand::Exit);
  EXPECT_EQ(store.Changes(), (Log{"write Path1=d:\\x\\", "write Path2=C:\\Y\\", "write Clipboard=True"}));
}

}  // namespace
}  // namespace dm

namespace dm {
namespace {

// --- the current notification behaviour: the keyboard and the shell's own follow-ups ------------

constexpr ScreenPoint kAnchor{640, 1010};

struct BehaviourCase {
  const char* name;
  std::vector<IconNotification> events;
  Log expected;
};

TEST_F(TrayAppTest, TheCurrentBehavioursEventsAnswerTheMouseAsBeforeAndTheKeyboardAtTheIcon) {
  const IconNotification down{IconEvent::Other, std::nullopt};
  const IconNotification leftUp{IconEvent::LeftButtonUp, std::nullopt};
  const IconNotification doubleClick{IconEvent::LeftDoubleClick, std::nullopt};
  const IconNotification rightUp{IconEvent::RightButtonUp, std::nullopt};
  const IconNotification select{IconEvent::Select, kAnchor};
  const IconNotification keySelect{IconEvent::KeySelect, kAnchor};
  const IconNotification contextMenu{IconEvent::ContextMenu, kAnchor};
  const BehaviourCase cases[] = {
      // The mouse: the shell follows a left click with a selection, a right click with a menu request.
      {"single click", {down, leftUp, select}, {"timer on"}},
      {"single click, a move before the selection", {down, leftUp, down, select}, {"timer on"}},
      {"double click",
       {down, leftUp, select, doubleClick, leftUp, select},
       {"timer on", "timer off", "show editor", "timer on"}},
      {"right click", {down, rightUp, contextMenu}, {"configure menu, clipboard checked"}},
      // The keyboard: at once, at the icon.
      {"Enter", {keySelect}, {"timer off", "folders menu (2 paths) at 640,1010"}},
      {"Space", {select}, {"timer off", "folders menu (2 paths) at 640,1010"}},
      {"menu key", {contextMenu}, {"configure menu, clipboard checked at 640,1010"}},
      {"Space after a right click",
       {rightUp, contextMenu, select},
       {"configure menu, clipboard checked", "timer off", "folders menu (2 paths) at 640,1010"}},
      {"menu key after a left click",
       {leftUp, select, contextMenu},
       {"timer on", "configure menu, clipboard checked at 640,1010"}},
  };
  SeedPaths({"C:\\A\\", "C:\\B\\"});
  for (const BehaviourCase& c : cases) {
    SCOPED_TRACE(c.name);
    TrayApp fresh{TrayAppServices{store, desktop, desktop, desktop, desktop, desktop, desktop}};
    desktop.iconThere = false;
    desktop.editorVisible = false;
    ASSERT_TRUE(fresh.Start());
    desktop.log.clear();
    for (const IconNotification& n : c.events) fresh.OnIconEvent(n.event, n.anchor);
    EXPECT_EQ(desktop.log, c.expected);
  }
}

TEST_F(TrayAppTest, TheKeyboardsSelectionDeliversTheChosenFolderAndWaitsForTheEditorLikeAClick) {
  SeedPaths({"C:\\A\\", "C:\\B\\"});
  StartClean();
  desktop.folderChoices = {1};
  app.OnIconEvent(IconEvent::KeySelect, kAnchor);
  EXPECT_EQ(desktop.log.back(), "deliver C:\\B\\ by clipboard");
  desktop.log.clear();
  desktop.editorVisible = true;
  app.OnIconEvent(IconEvent::KeySelect, kAnchor);
  app.OnIconEvent(IconEvent::ContextMenu, kAnchor);
  EXPECT_EQ(desktop.log, (Log{"timer off"}));
}

// --- the folder hotkey ------------------------------------------------------------------------------

TEST_F(TrayAppTest, TheHotkeyOpensTheFoldersMenuAtTheNameBoxAndDeliversToItsWindow) {
  SeedPaths({"C:\\A\\", "C:\\B\\"});
  StartClean();
  desktop.folderChoices = {1};
  app.OnHotkey(77, ScreenPoint{300, 420});
  EXPECT_EQ(desktop.log, (Log{"timer off", "folders menu (2 paths) at 300,420",
                              "deliver C:\\B\\ by clipboard to window 77"}));
  desktop.log.clear();
  app.OnHotkey(78, std::nullopt);  // an Explorer window: at the pointer
  EXPECT_EQ(desktop.log, (Log{"timer off", "folders menu (2 paths)"}));
}

TEST_F(TrayAppTest, TheHotkeyHeldDownOpensOneMenu) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.whileMenuOpen = [this] { app.OnHotkey(77, std::nullopt); };
  app.OnHotkey(77, std::nullopt);
  EXPECT_EQ(desktop.log, (Log{"timer off", "folders menu (1 paths)"}));
}

TEST_F(TrayAppTest, TheHotkeyBeepsWhenNoMenuCanOpen) {
  StartClean();
  app.OnHotkey(77, std::nullopt);  // no folders
  SeedPaths({"C:\\A\\"});
  desktop.editorVisible = true;
  app.OnHotkey(77, std::nullopt);  // the list is being edited (the list loaded is still empty)
  EXPECT_EQ(desktop.log, (Log{"beep", "beep"}));
}

// --- the recent folders -------------------------------------------------------------------------

class TrayAppRecentTest : public TrayAppTest {
 protected:
  // A single click on the icon, its tick and the pick in the Folders menu.
  void ClickAndPick(test::MenuPick pick) {
    desktop.folderChoices = {std::move(pick)};
    Notify({kLeftUp});
    app.OnClickTimerTick();
  }
  // The Folders menu as the next click opens it, nothing chosen.
  std::string MenuShown() {
    desktop.log.clear();
    ClickAndPick(std::nullopt);
    return desktop.log.back();
  }
};

TEST_F(TrayAppRecentTest, OnlyAFolderDeliveredIsRemembered) {
  store.Seed("Recent1", "E:\\Old\\");
  SeedPaths({"C:\\A\\"});
  StartClean();
  for (const DeliveryOutcome outcome : test::kDeliveryFailures) {
    SCOPED_TRACE(std::string(DescribeOutcome(outcome)));
    desktop.outcomes = {outcome};
    ClickAndPick(0);
    ClickAndPick(test::MenuPick::Entry("E:\\Old\\"));
    EXPECT_EQ(desktop.log.back(), "deliver E:\\Old\\ by clipboard");
  }
  EXPECT_TRUE(store.Changes().empty()) << "a folder not delivered is not stored";
  EXPECT_EQ(app.Recent().Folders(), (Log{"E:\\Old\\"}));
  // The same choice, delivered.
  ClickAndPick(0);
  EXPECT_EQ(store.Changes(), (Log{"write Recent1=C:\\A\\", "write Recent2=E:\\Old\\"}));
}

TEST_F(TrayAppRecentTest, TheSubmenuOffersTheRecentFoldersTheListDoesNotHold) {
  store.Seed("Recent1", "C:\\B\\");
  store.Seed("Recent2", "E:\\X\\");
  store.Seed("Recent3", "not a folder");
  store.Seed("Recent4", "E:\\Y");
  SeedPaths({"C:\\A\\", "C:\\B\\"});
  StartClean();
  EXPECT_EQ(MenuShown(), "folders menu (2 paths) Recent [E:\\X\\|E:\\Y]");
  // A stored folder delivered goes to the top of the recent folders, and stays out of the submenu.
  ClickAndPick(0);
  EXPECT_EQ(store.Changes(),
            (Log{"write Recent1=C:\\A\\", "write Recent2=C:\\B\\", "write Recent3=E:\\X\\"}));
  EXPECT_EQ(MenuShown(), "folders menu (2 paths) Recent [E:\\X\\|E:\\Y]");
  // Once it has left the list, it shows there.
  app.Folders().Remove(0);
  EXPECT_EQ(MenuShown(), "folders menu (1 paths) Recent [C:\\A\\|E:\\X\\|E:\\Y]");
}

TEST_F(TrayAppRecentTest, ARecentFolderIsDeliveredLikeAStoredOneAndMovesToTheTop) {
  store.Seed("Recent1", "E:\\X\\");
  store.Seed("Recent2", "E:\\Y\\");
  SeedPaths({"C:\\A\\"});
  StartClean();
  app.OnConfigureCommand(ConfigureCommand::Clipboard);  // typed
  desktop.folderChoices = {test::MenuPick::Entry("E:\\Y\\")};
  app.OnHotkey(77, ScreenPoint{300, 420});
  EXPECT_EQ(desktop.log, (Log{"timer off", "folders menu (1 paths) Recent [E:\\X\\|E:\\Y\\] at 300,420",
                              "deliver E:\\Y\\ by keys to window 77"}));
  EXPECT_EQ(store.Changes(),
            (Log{"write Clipboard=False", "write Recent1=E:\\Y\\", "write Recent2=E:\\X\\"}));
  EXPECT_EQ(MenuShown(), "folders menu (1 paths) Recent [E:\\Y\\|E:\\X\\]");
}

TEST_F(TrayAppRecentTest, ClearRecentEmptiesTheSubmenuAndItsStoredValuesOnly) {
  store.Seed("Recent1", "E:\\X\\");
  store.Seed("Recent2", "C:\\A\\");
  store.Seed("Recent3", "broken");
  SeedPaths({"C:\\A\\"});
  StartClean();
  ClickAndPick(test::MenuPick::Entry("Clear recent"));
  EXPECT_EQ(desktop.log.back(), "folders menu (1 paths) Recent [E:\\X\\]") << "nothing delivered";
  EXPECT_EQ(store.Changes(), (Log{"delete Recent1", "delete Recent2", "delete Recent3"}));
  EXPECT_EQ(store.Values(), (std::map<std::string, std::string>{{"Amount", "1"}, {"Path1", "C:\\A\\"}}));
  EXPECT_EQ(MenuShown(), "folders menu (1 paths)");
}

TEST_F(TrayAppRecentTest, RecentFoldersAloneMakeNoMenu) {
  store.Seed("Recent1", "E:\\X\\");
  StartClean();
  Notify({kLeftUp});
  app.OnClickTimerTick();
  app.OnHotkey(77, std::nullopt);
  EXPECT_EQ(desktop.log, (Log{"timer on", "timer off", "beep"}));
}

// --- where the user is -------------------------------------------------------------------------

using TrayAppSurroundingsTest = TrayAppRecentTest;

TEST_F(TrayAppSurroundingsTest, FoldersOpenInFolderWindowsAreOfferedAndDeliveredLikeStoredOnes) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.around.openFolders = {"E:\\Front", "C:\\A", "D:\\Back"};
  EXPECT_EQ(MenuShown(), "folders menu (1 paths) open [E:\\Front|D:\\Back]");
  desktop.folderChoices = {test::MenuPick::Entry("D:\\Back")};
  desktop.log.clear();
  app.OnHotkey(77, std::nullopt);
  EXPECT_EQ(desktop.log.back(), "deliver D:\\Back by clipboard to window 77");
  // The icon's menu looks around the delivery's own target, the hotkey's around its window.
  EXPECT_EQ(desktop.lookedAround, (std::vector<WindowHandle>{0, 77}));
  // Delivered, it is a recent folder too.
  EXPECT_EQ(store.Changes(), (Log{"write Recent1=D:\\Back"}));
}

TEST_F(TrayAppSurroundingsTest, TheTargetsFolderIsAddedAndStoredAtOnce) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.around.targetFolder = "E:\\Shown";
  EXPECT_EQ(MenuShown(), "folders menu (1 paths) add [E:\\Shown\\]");
  desktop.log.clear();
  ClickAndPick(
      test::MenuPick::Entry("Add \u201C"
                            "E:\\Shown\\\u201D"));
  EXPECT_EQ(desktop.log.back(), "icon modify: 2 Dashmarks");
  EXPECT_EQ(store.Changes(), (Log{"write Amount=2", "write Path2=E:\\Shown\\"}));
  // The next menu holds it among the stored folders and offers it no more.
  EXPECT_EQ(MenuShown(), "folders menu (2 paths)");
}

TEST_F(TrayAppSurroundingsTest, NothingIsAddedUnderAnEditorOpenedWhileTheMenuWasUp) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.around.targetFolder = "E:\\Shown";
  desktop.whileMenuOpen = [this] { desktop.editorVisible = true; };
  ClickAndPick(
      test::MenuPick::Entry("Add \u201C"
                            "E:\\Shown\\\u201D"));
  EXPECT_EQ(desktop.log.back(), "beep");
  EXPECT_TRUE(store.Changes().empty());
  EXPECT_EQ(app.Folders().Count(), 1U);
}

// --- the notice of a failed delivery ------------------------------------------------------------

TEST_F(TrayAppRecentTest, AFailedDeliveryShowsItsNoticeAndOneDeliveredNone) {
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.outcomes = {DeliveryOutcome::TargetElevated};
  ClickAndPick(0);
  EXPECT_EQ(desktop.log.back(),
            "notice: Dashmarks: The folder was not put into the window: that program runs as administrator.");
  desktop.log.clear();
  ClickAndPick(0);
  EXPECT_EQ(desktop.log.back(), "deliver C:\\A\\ by clipboard");
}

TEST_F(TrayAppRecentTest, NotifyFalseKeepsAFailureToTheBeep) {
  store.Seed("Notify", " false ");
  SeedPaths({"C:\\A\\"});
  StartClean();
  desktop.outcomes = {DeliveryOutcome::NoTarget};
  ClickAndPick(0);
  EXPECT_EQ(desktop.log.back(),
            "trace the folder was not delivered: no file dialog or Explorer window is open (clipboard mode)");
  // Read, never written.
  EXPECT_EQ(store.Values().at("Notify"), " false ");
}

}  // namespace
}  // namespace dm
