// The path list editor as a real window over a Folders menu: what it shows when it opens, where it
// opens, the keyboard, and the ways it closes, each of which commits the list to the menu.

#include "platform/win32/windows/list_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../../../res/resource_ids.h"
#include "platform/win32/base/text_conversion.h"

namespace dm::win {
namespace {

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

BOOL CALLBACK CountEditors(HWND window, LPARAM count) {
  if (Text(window) == L"Dashmarks" && FindWindowExW(window, nullptr, L"ComboBox", nullptr) != nullptr) {
    ++*reinterpret_cast<int*>(count);
  }
  return TRUE;
}

class ListWindowTest : public ::testing::Test {
 public:
  void Open(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
      ++pathCount_;
      menu_.AddMenuItem(pathCount_, path);
    }
    editor_.Show();
    Pump();
    ASSERT_NE(editor_.Handle(), nullptr);
  }

  HWND Editor() const { return editor_.Handle(); }
  HWND Combo() const { return FindWindowExW(Editor(), nullptr, L"ComboBox", nullptr); }
  HWND Button(const wchar_t* caption) const { return FindWindowExW(Editor(), nullptr, L"Button", caption); }

  std::vector<std::string> ComboLines() const {
    std::vector<std::string> lines;
    const int count = static_cast<int>(SendMessageW(Combo(), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t line[MAX_PATH] = {};
      SendMessageW(Combo(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(line));
      lines.push_back(WideToUtf8(line));
    }
    return lines;
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (std::size_t i = 1; i <= menu_.HighestIndex(); ++i) captions.push_back(menu_.Caption(i));
    return captions;
  }

  HICON icon_ = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DASHMARKS), IMAGE_ICON, 32, 32, LR_SHARED));
  FoldersMenu menu_;
  std::uint8_t pathCount_ = 0;
  int refreshes_ = 0;
  ListWindow editor_{
      ListWindowContext{GetModuleHandleW(nullptr), icon_, &menu_, &pathCount_, [this] { ++refreshes_; }}};
};

TEST_F(ListWindowTest, OpensWithThePathsSortedAndTheFirstSelected) {
  Open({"D:\\Work\\", "c:\\apps\\", "C:\\Data\\"});

  EXPECT_EQ(ComboLines(), (std::vector<std::string>{"c:\\apps\\", "C:\\Data\\", "D:\\Work\\"}));
  EXPECT_EQ(SendMessageW(Combo(), CB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(IsWindowEnabled(Button(L"&Delete")));
  EXPECT_TRUE(IsWindowEnabled(Button(L"&Add...")));
  EXPECT_TRUE(editor_.IsVisible());
  EXPECT_EQ(GetFocus(), Combo());
  // Opening changes nothing in the menu.
  EXPECT_EQ(Captions(), (std::vector<std::string>{"D:\\Work\\", "c:\\apps\\", "C:\\Data\\"}));
  EXPECT_EQ(refreshes_, 0);
}

TEST_F(ListWindowTest, EmptyListSelectsNothingAndDisablesDelete) {
  Open({});
  EXPECT_EQ(SendMessageW(Combo(), CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(Combo(), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_FALSE(IsWindowEnabled(Button(L"&Delete")));
  EXPECT_TRUE(IsWindowEnabled(Button(L"&Add...")));
}

TEST_F(ListWindowTest, OpensAtTheBottomRightWithAFixedDialogFrameAndTheMainIcon) {
  Open({"C:\\"});
  RECT rect{};
  GetWindowRect(Editor(), &rect);
  EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN) + 1);
  EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN) - 28);

  EXPECT_EQ(Text(Editor()), L"Dashmarks");
  const LONG style = GetWindowLongW(Editor(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongW(Editor(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(Editor(), WM_GETICON, ICON_BIG, 0)), icon_);
}

TEST_F(ListWindowTest, ControlsFollowTheTabOrder) {
  Open({"C:\\"});
  struct Expected {
    const wchar_t* className;
    const wchar_t* text;
    bool tabStop;
  };
  const Expected expected[] = {{L"Static", L"&Path:", false},
                               {L"ComboBox", L"C:\\", true},
                               {L"Button", L"&Add...", true},
                               {L"Button", L"&Delete", true},
                               {L"Button", L"&Close", true}};
  HWND child = GetWindow(Editor(), GW_CHILD);
  for (const Expected& e : expected) {
    ASSERT_NE(child, nullptr) << e.text;
    EXPECT_EQ(ClassOf(child), e.className);
    EXPECT_EQ(Text(child), e.text);
    EXPECT_EQ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0, e.tabStop) << e.text;
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr);

  const LONG comboStyle = GetWindowLongW(Combo(), GWL_STYLE);
  EXPECT_EQ(comboStyle & 3, CBS_DROPDOWNLIST);
  EXPECT_TRUE(comboStyle & CBS_SORT);
  EXPECT_EQ(GetWindowLongW(Button(L"&Add..."), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);
}

TEST_F(ListWindowTest, SecondShowKeepsTheOneEditor) {
  Open({"C:\\"});
  HWND first = Editor();
  editor_.Show();
  Pump();
  EXPECT_EQ(Editor(), first);
  int editors = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountEditors, reinterpret_cast<LPARAM>(&editors));
  EXPECT_EQ(editors, 1);
  EXPECT_EQ(SendMessageW(Combo(), CB_GETCOUNT, 0, 0), 1);
}

TEST_F(ListWindowTest, EveryWayOfClosingCommitsTheSortedListAndRefreshesTheIcon) {
  struct Way {
    const char* name;
    std::function<void(ListWindowTest&)> close;
  };
  const Way ways[] = {
      {"Close()", [](ListWindowTest& t) { t.editor_.Close(); }},
      {"close box", [](ListWindowTest& t) { SendMessageW(t.Editor(), WM_CLOSE, 0, 0); }},
      {"cmdClose", [](ListWindowTest& t) { SendMessageW(t.Button(L"&Close"), BM_CLICK, 0, 0); }},
      {"Esc",
       [](ListWindowTest& t) {
         MSG msg{t.Combo(), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
         EXPECT_TRUE(t.editor_.TranslateDialogMessage(msg));
       }},
  };
  for (const Way& way : ways) {
    menu_ = FoldersMenu();
    pathCount_ = 0;
    refreshes_ = 0;
    Open({"D:\\Work\\", "c:\\apps\\", "C:\\Data\\"});
    way.close(*this);
    Pump();
    EXPECT_EQ(editor_.Handle(), nullptr) << way.name;
    EXPECT_FALSE(editor_.IsVisible()) << way.name;
    EXPECT_EQ(Captions(), (std::vector<std::string>{"c:\\apps\\", "C:\\Data\\", "D:\\Work\\"})) << way.name;
    EXPECT_EQ(refreshes_, 1) << way.name;
  }
}

TEST_F(ListWindowTest, DeleteReachesTheCaptionsOnlyAtTheCommit) {
  Open({"C:\\A\\", "C:\\B\\", "C:\\C\\"});
  SendMessageW(Combo(), CB_SETCURSEL, 1, 0);
  SendMessageW(Button(L"&Delete"), BM_CLICK, 0, 0);

  EXPECT_EQ(pathCount_, 2);
  EXPECT_EQ(ComboLines(), (std::vector<std::string>{"C:\\A\\", "C:\\C\\"}));
  EXPECT_EQ(SendMessageW(Combo(), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\A\\", "C:\\B\\"}));

  // What a shutdown does before it saves: the menu takes the list while the editor stays open.
  editor_.CommitIfOpen();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\A\\", "C:\\C\\"}));
  EXPECT_TRUE(editor_.IsVisible());
  EXPECT_EQ(refreshes_, 0);
}

TEST_F(ListWindowTest, DeletingTheOnlyPathDisablesDelete) {
  Open({"C:\\A\\"});
  SendMessageW(Button(L"&Delete"), BM_CLICK, 0, 0);
  EXPECT_EQ(pathCount_, 0);
  EXPECT_EQ(menu_.HighestIndex(), 0u);
  EXPECT_FALSE(IsWindowEnabled(Button(L"&Delete")));
  EXPECT_TRUE(IsWindowEnabled(Button(L"&Add...")));
}

TEST_F(ListWindowTest, AltPMovesTheFocusToTheList) {
  Open({"C:\\A\\"});
  SetFocus(Button(L"&Close"));
  ASSERT_EQ(GetFocus(), Button(L"&Close"));
  MSG msg{Button(L"&Close"), WM_SYSCHAR, 'p', 0x20000001, 0, {}};
  EXPECT_TRUE(editor_.TranslateDialogMessage(msg));
  EXPECT_EQ(GetFocus(), Combo());
}

// The folder browser run by Add, driven from a timer of the editor's thread: each tick performs
// the next step on the browser once it is open; a browser still open after the steps is cancelled.
class BrowserScript {
 public:
  using Step = std::function<void(HWND dialog, HWND tree)>;

  BrowserScript(HWND editor, std::vector<Step> steps) : editor_(editor), steps_(std::move(steps)) {
    SetPropW(editor_, kProp, this);
    SetTimer(editor_, kTimer, 100, &BrowserScript::Tick);
  }
  ~BrowserScript() {
    if (IsWindow(editor_)) {
      KillTimer(editor_, kTimer);
      RemovePropW(editor_, kProp);
    }
  }
  BrowserScript(const BrowserScript&) = delete;
  BrowserScript& operator=(const BrowserScript&) = delete;

  bool sawTitle = false;

 private:
  static constexpr wchar_t kProp[] = L"BrowserScript";
  static constexpr UINT_PTR kTimer = 77;

  static BOOL CALLBACK FindBrowser(HWND window, LPARAM found) {
    auto* result = reinterpret_cast<std::pair<HWND, HWND>*>(found);
    if (GetWindow(window, GW_OWNER) == result->first && ClassOf(window) == L"#32770" &&
        IsWindowVisible(window)) {
      result->second = window;
      return FALSE;
    }
    return TRUE;
  }

  static void CALLBACK Tick(HWND editor, UINT, UINT_PTR, DWORD) {
    auto* self = static_cast<BrowserScript*>(GetPropW(editor, kProp));
    if (self == nullptr) return;
    std::pair<HWND, HWND> found{editor, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindBrowser, reinterpret_cast<LPARAM>(&found));
    HWND dialog = found.second;
    if (dialog == nullptr) return;
    if (++self->ticks_ > 60 || self->next_ >= self->steps_.size()) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    if (self->next_ == 0) {
      self->sawTitle =
          FindWindowExW(dialog, nullptr, L"Static",
                        L"&To add a Dashmark to your list, select a folder and click OK.") != nullptr;
    }
    self->steps_[self->next_++](dialog, FindWindowExW(dialog, nullptr, L"SysTreeView32", nullptr));
  }

  HWND editor_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int ticks_ = 0;
};

BrowserScript::Step Key(WPARAM key) {
  return [key](HWND, HWND tree) {
    SetFocus(tree);
    SendMessageW(tree, WM_KEYDOWN, key, 1);
  };
}
BrowserScript::Step Char(wchar_t c) {
  return [c](HWND, HWND tree) {
    SetFocus(tree);
    SendMessageW(tree, WM_CHAR, c, 1);  // a repeat count of 1: the tree ignores a key without one
  };
}
// Letters typed within half a second of each other make one search text in the tree: let a
// tick pass before a new search.
BrowserScript::Step Pause() {
  return [](HWND, HWND) {};
}
BrowserScript::Step End(int button) {
  return [button](HWND dialog, HWND) { PostMessageW(dialog, WM_COMMAND, button, 0); };
}

TEST_F(ListWindowTest, AddRunsTheFolderBrowserAndTakesOnlyFileSystemFolders) {
  struct Case {
    const char* name;
    std::vector<BrowserScript::Step> steps;
    std::vector<std::string> expected;
  };
  // The browser opens at the desktop; "m" finds My Computer, whose first drive is C:.
  const std::vector<BrowserScript::Step> toDriveC{Char(L'm'), Key(VK_RIGHT), Key(VK_DOWN)};
  auto then = [](std::vector<BrowserScript::Step> steps, std::initializer_list<BrowserScript::Step> more) {
    steps.insert(steps.end(), more);
    return steps;
  };
  const Case cases[] = {
      {"cancelled", {Char(L'm'), End(IDCANCEL)}, {"D:\\Kept\\"}},
      {"virtual folder", {Char(L'm'), End(IDOK)}, {"D:\\Kept\\"}},
      {"drive root stays as it is", then(toDriveC, {End(IDOK)}), {"C:\\", "D:\\Kept\\"}},
      {"folder gets a backslash",
       then(toDriveC, {Key(VK_RIGHT), Pause(), Pause(), Char(L'w'), End(IDOK)}),
       {"C:\\windows\\", "D:\\Kept\\"}},
  };
  for (const Case& c : cases) {
    menu_ = FoldersMenu();
    pathCount_ = 0;
    Open({"D:\\Kept\\"});
    {
      BrowserScript script(Editor(), c.steps);
      SendMessageW(Button(L"&Add..."), BM_CLICK, 0, 0);
      EXPECT_TRUE(script.sawTitle) << c.name;
    }
    EXPECT_EQ(ComboLines(), c.expected) << c.name;
    EXPECT_EQ(pathCount_, c.expected.size()) << c.name;
    if (c.expected.size() > 1) {
      // The new path is the last menu entry and the selected line.
      const std::string added = menu_.Caption(pathCount_);
      EXPECT_NE(added, "D:\\Kept\\") << c.name;
      EXPECT_EQ(ComboLines()[static_cast<std::size_t>(SendMessageW(Combo(), CB_GETCURSEL, 0, 0))], added)
          << c.name;
    }
    editor_.Close();
  }
}

}  // namespace
}  // namespace dm::win
