// The folder hotkey follows the window in front: taken while a file dialog or an Explorer window
// is there, given back as soon as anything else is, traced once when it cannot be had.

#include "app/folder_hotkey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/folder_list.h"
#include "store/folder_list_store.h"
#include "support/fake_desktop.h"
#include "support/memory_settings_store.h"

namespace dm {
namespace {

using Log = std::vector<std::string>;

class RecordingRegistration : public HotkeyRegistration {
 public:
  Log log;
  bool refuse = false;
  bool Register(const Hotkey& key) override {
    log.push_back("register " + HotkeyText(key) + (refuse ? " (refused)" : ""));
    return !refuse;
  }
  void Unregister() override { log.push_back("unregister"); }
  void Trace(const std::string& line) override { log.push_back("trace: " + line); }
  // Kept apart from the log: whether the timer that calls LookAgain runs.
  bool lookingAgain = false;
  void StartLookingAgain() override { lookingAgain = true; }
  void StopLookingAgain() override { lookingAgain = false; }
};

class FolderHotkeyTest : public testing::Test {
 protected:
  FolderHotkeyTest() {
    fileDialog = desktop.AddFileDialog("Open");
    explorer = desktop.Add(0, "ExploreWClass", "C:\\");
    notepad = desktop.Add(0, "Notepad", "Untitled - Notepad");
    // A dialog with an edit like a name box, and no file list: not a file dialog.
    findBox = desktop.Add(0, "#32770", "Find");
    desktop.AddControl(findBox, kFileNameEditId);
  }

  FolderHotkey Make(const char* stored) {
    return FolderHotkey(desktop, registration,
                        HotkeySettingFromText(stored ? std::optional<std::string>(stored) : std::nullopt));
  }

  test::FakeDesktop desktop;
  RecordingRegistration registration;
  WindowHandle fileDialog = 0, explorer = 0, notepad = 0, findBox = 0;
};

TEST_F(FolderHotkeyTest, TheKeyIsTakenOnlyWhileAFileDialogOrExplorerIsInFront) {
  FolderHotkey hotkey = Make(nullptr);
  hotkey.Start(notepad);
  EXPECT_TRUE(registration.log.empty());
  hotkey.OnForegroundChanged(fileDialog);
  hotkey.OnForegroundChanged(explorer);  // still a target: the key stays taken, once
  hotkey.OnForegroundChanged(notepad);
  hotkey.OnForegroundChanged(findBox);
  hotkey.OnForegroundChanged(0);
  hotkey.OnForegroundChanged(explorer);
  hotkey.Stop();
  EXPECT_EQ(registration.log, (Log{"register Ctrl+G", "unregister", "register Ctrl+G", "unregister"}));
}

TEST_F(FolderHotkeyTest, AFileDialogInFrontAtTheStartTakesTheKeyAtOnce) {
  FolderHotkey hotkey = Make("Ctrl+Alt+F");
  hotkey.Start(fileDialog);
  EXPECT_EQ(registration.log, (Log{"register Ctrl+Alt+F"}));
  EXPECT_TRUE(hotkey.Registered());
}

TEST_F(FolderHotkeyTest, TheKeyPressedNamesTheWindowInFrontAndItsNameBox) {
  FolderHotkey hotkey = Make(nullptr);
  hotkey.Start(fileDialog);
  std::optional<WindowTarget> pressed = hotkey.PressedIn();
  ASSERT_TRUE(pressed.has_value());
  EXPECT_EQ(pressed->dialog.dialog, fileDialog);
  EXPECT_EQ(pressed->dialog.nameBox, desktop.NameBoxOf(fileDialog));
  hotkey.OnForegroundChanged(explorer);
  pressed = hotkey.PressedIn();
  ASSERT_TRUE(pressed.has_value());
  EXPECT_EQ(pressed->explorer.window, explorer);
  // A window that closed or hid before the key's message came is no target.
  desktop.At(explorer).visible = false;
  EXPECT_FALSE(hotkey.PressedIn().has_value());
}

TEST_F(FolderHotkeyTest, EveryKindOfExplorerWindowTakesTheKey) {
  const struct {
    const char* className;
    ExplorerKind kind;
  } cases[] = {{"CabinetWClass", ExplorerKind::FolderWindow},
               {"ExplorerWClass", ExplorerKind::WineExplorer},
               {"ExploreWClass", ExplorerKind::GoToWindow}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.className);
    const WindowHandle window = desktop.Add(0, c.className, "Documents");
    FolderHotkey hotkey = Make(nullptr);
    hotkey.Start(window);
    EXPECT_TRUE(hotkey.Registered());
    const std::optional<WindowTarget> pressed = hotkey.PressedIn();
    ASSERT_TRUE(pressed.has_value());
    EXPECT_EQ(pressed->explorer.window, window);
    EXPECT_EQ(pressed->explorer.kind, c.kind);
  }
}

TEST_F(FolderHotkeyTest, AKeyTakenByAnotherProgramIsTracedOnceAndNotAskedForAgain) {
  registration.refuse = true;
  FolderHotkey hotkey = Make(nullptr);
  hotkey.Start(fileDialog);
  hotkey.OnForegroundChanged(notepad);
  hotkey.OnForegroundChanged(explorer);
  EXPECT_EQ(registration.log, (Log{"register Ctrl+G (refused)",
                                   "trace: Ctrl+G is taken by another program; the hotkey is off"}));
  EXPECT_FALSE(hotkey.PressedIn().has_value());
}

TEST_F(FolderHotkeyTest, AnEmptySettingTurnsTheKeyOffAndAnUnreadableOneIsTracedOnce) {
  for (const char* stored : {"", "Ctrl+Banana"}) {
    SCOPED_TRACE(stored);
    registration.log.clear();
    FolderHotkey hotkey = Make(stored);
    hotkey.Start(fileDialog);
    hotkey.OnForegroundChanged(explorer);
    const Log expected =
        *stored == '\0' ? Log{}
                        : Log{"trace: the \"Hotkey\" setting is not a key such as Ctrl+G; the hotkey is off"};
    EXPECT_EQ(registration.log, expected);
  }
}

// The parts that make a dialog a file dialog, made after the dialog came to the front.
void AddFileDialogParts(test::FakeDesktop& desktop, WindowHandle dialog) {
  desktop.AddControl(desktop.AddControl(dialog, kFileNameComboId, "ComboBox"), 0x3E9, "Edit");
  desktop.AddControl(dialog, kFolderListId, "SHELLDLL_DefView");
}

// Calls LookAgain as the timer would, while it runs, at most times times; how many calls were made.
int LookAgainWhileAsked(FolderHotkey& hotkey, RecordingRegistration& registration, int times) {
  int calls = 0;
  while (registration.lookingAgain && calls < times) {
    hotkey.LookAgain();
    ++calls;
  }
  return calls;
}

TEST_F(FolderHotkeyTest, ADialogWhoseNameBoxAppearsAfterItCameToTheFrontGetsTheKeyOnceItAppears) {
  const WindowHandle late = desktop.Add(0, "#32770", "Open");
  FolderHotkey hotkey = Make(nullptr);
  hotkey.Start(notepad);
  hotkey.OnForegroundChanged(late);
  EXPECT_FALSE(hotkey.Registered());
  ASSERT_TRUE(registration.lookingAgain);
  hotkey.LookAgain();
  hotkey.LookAgain();
  EXPECT_FALSE(hotkey.Registered());
  // Nothing reports a change of the foreground: the dialog only makes its controls.
  AddFileDialogParts(desktop, late);
  hotkey.LookAgain();
  EXPECT_TRUE(hotkey.Registered());
  EXPECT_FALSE(registration.lookingAgain);
  EXPECT_EQ(registration.log, (Log{"register Ctrl+G"}));
  const std::optional<WindowTarget> pressed = hotkey.PressedIn();
  ASSERT_TRUE(pressed.has_value());
  EXPECT_EQ(pressed->dialog.dialog, late);
}

TEST_F(FolderHotkeyTest, OnlyADialogOrAnExplorerWindowThatIsNoTargetYetIsLookedAtAgainForAWhile) {
  const struct {
    const char* className;
    bool lookedAtAgain;
  } cases[] = {{"#32770", true},        {"CabinetWClass", true}, {"ExplorerWClass", true},
               {"ExploreWClass", true}, {"Notepad", false},      {"#327700", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.className);
    const WindowHandle window = desktop.Add(0, c.className, "Untitled");
    // An Explorer window is a target once it shows: here it is still hidden while it builds.
    desktop.At(window).visible = false;
    registration.lookingAgain = false;
    FolderHotkey hotkey = Make(nullptr);
    hotkey.Start(window);
    EXPECT_EQ(registration.lookingAgain, c.lookedAtAgain);
    // The looks end by themselves when the window never becomes a target.
    EXPECT_EQ(LookAgainWhileAsked(hotkey, registration, 100),
              c.lookedAtAgain ? FolderHotkey::kLookAgainTimes : 0);
    EXPECT_FALSE(registration.lookingAgain);
    EXPECT_FALSE(hotkey.Registered());
  }
}

TEST_F(FolderHotkeyTest, TheLooksEndWhenTheFrontChangesTheWindowClosesOrTheProgramEnds) {
  const WindowHandle late = desktop.Add(0, "#32770", "Open");
  FolderHotkey hotkey = Make(nullptr);
  hotkey.Start(late);
  ASSERT_TRUE(registration.lookingAgain);
  hotkey.OnForegroundChanged(notepad);
  EXPECT_FALSE(registration.lookingAgain);
  // The dialog made its parts while another window was in front: it takes the key only when it
  // comes to the front again.
  AddFileDialogParts(desktop, late);
  hotkey.LookAgain();
  EXPECT_FALSE(hotkey.Registered());
  hotkey.OnForegroundChanged(late);
  EXPECT_TRUE(hotkey.Registered());

  const WindowHandle closing = desktop.Add(0, "#32770", "Save As");
  hotkey.OnForegroundChanged(closing);
  ASSERT_TRUE(registration.lookingAgain);
  desktop.At(closing).destroyed = true;
  hotkey.LookAgain();
  EXPECT_FALSE(registration.lookingAgain);

  hotkey.OnForegroundChanged(desktop.Add(0, "#32770", "Open"));
  ASSERT_TRUE(registration.lookingAgain);
  hotkey.Stop();
  EXPECT_FALSE(registration.lookingAgain);
}

TEST(HotkeySettingTest, TheSettingIsReadAndKeptOutOfEverySave) {
  test::MemorySettingsStore store;
  store.Seed("Hotkey", "Ctrl+Alt+F");
  EXPECT_EQ(HotkeyText(LoadHotkeySetting(store).key), "Ctrl+Alt+F");
  FolderList folders;
  folders.Add("C:\\A\\");
  SaveFolderList(store, folders, true);
  StoreFolderListChanges(store, folders);
  StoreClipboardOption(store, false);
  EXPECT_EQ(store.Get("Vantrel", "Dashmarks", "Hotkey"), std::optional<std::string>("Ctrl+Alt+F"));

  // Never written when the user did not set it.
  test::MemorySettingsStore fresh;
  SaveFolderList(fresh, folders, true);
  EXPECT_FALSE(fresh.Get("Vantrel", "Dashmarks", "Hotkey").has_value());
  EXPECT_EQ(LoadHotkeySetting(fresh).choice, HotkeyChoice::On);
}

}  // namespace
}  // namespace dm
