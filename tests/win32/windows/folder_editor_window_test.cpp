// The folder list editor as a real window over a folder list: what it shows when it opens, where it
// opens, the keyboard, the edits (the list it shows is the list itself at every moment) and the
// ways it closes, also in the middle of its fill.

#include "win32/windows/folder_editor_window.h"
#include "win32/windows/display_scale.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "store/folder_list.h"
#include "win32/base/text_conversion.h"

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

HWND FindEditor() { return FindWindowW(L"DashmarksList", nullptr); }

class FolderEditorWindowTest : public ::testing::Test {
 public:
  // Opens the editor over the given folders, in the display order the tray application gives them.
  void Open(const std::vector<std::string>& paths) {
    folders_ = FolderList(paths);
    folders_.SortForDisplay();
    editor_.Show();
    Pump();
    ASSERT_NE(Editor(), nullptr);
  }

  static HWND Editor() { return FindEditor(); }
  static HWND Combo() { return FindWindowExW(Editor(), nullptr, L"ComboBox", nullptr); }
  static HWND Button(const wchar_t* caption) { return FindWindowExW(Editor(), nullptr, L"Button", caption); }

  static std::vector<std::string> ComboLines() {
    std::vector<std::string> lines;
    const int count = static_cast<int>(SendMessageW(Combo(), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t line[MAX_PATH] = {};
      SendMessageW(Combo(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(line));
      lines.push_back(WideToUtf8(line));
    }
    return lines;
  }
  static std::string SelectedLine() {
    const LRESULT selected = SendMessageW(Combo(), CB_GETCURSEL, 0, 0);
    return selected < 0 ? "(none)" : ComboLines().at(static_cast<std::size_t>(selected));
  }

  HICON icon_ = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DASHMARKS), IMAGE_ICON, 32, 32, LR_SHARED));
  FolderList folders_;
  int closes_ = 0;
  FolderEditorWindow editor_{
      FolderEditorContext{GetModuleHandleW(nullptr), icon_, &folders_, [this] { ++closes_; }}};
};

TEST_F(FolderEditorWindowTest, OpensWithTheListInItsOrderAndTheFirstSelected) {
  Open({"D:\\Work\\", "c:\\apps\\", "C:\\Data\\"});

  EXPECT_EQ(ComboLines(), (std::vector<std::string>{"c:\\apps\\", "C:\\Data\\", "D:\\Work\\"}));
  EXPECT_EQ(ComboLines(), folders_.Folders());
  EXPECT_EQ(SelectedLine(), "c:\\apps\\");
  EXPECT_TRUE(IsWindowEnabled(Button(L"&Delete")));
  EXPECT_TRUE(IsWindowEnabled(Button(L"&Add...")));
  EXPECT_TRUE(editor_.IsVisible());
  EXPECT_EQ(GetFocus(), Combo());
  EXPECT_EQ(closes_, 0);
}

TEST_F(FolderEditorWindowTest, ShowsTheListsOwnOrderAndNeverReordersIt) {
  // The list decides the order; the window only shows it.
  folders_ = FolderList({"D:\\", "c:\\b\\", "C:\\A\\"});
  editor_.Show();
  Pump();
  EXPECT_EQ(ComboLines(), (std::vector<std::string>{"D:\\", "c:\\b\\", "C:\\A\\"}));
}

TEST_F(FolderEditorWindowTest, EmptyListSelectsNothingAndDisablesDelete) {
  Open({});
  EXPECT_EQ(SendMessageW(Combo(), CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(Combo(), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_FALSE(IsWindowEnabled(Button(L"&Delete")));
  EXPECT_TRUE(IsWindowEnabled(Button(L"&Add...")));
}

// The width of icon's image, 0 for none.
int IconWidth(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

TEST_F(FolderEditorWindowTest, OpensAtTheBottomRightWithAFixedDialogFrameAndTheProgramIconAtItsScale) {
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
  // The program icon as large as the system shows icons at the window's scale, big and small.
  const int dpi = WindowDpi(Editor());
  EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(SendMessageW(Editor(), WM_GETICON, ICON_BIG, 0))),
            SystemMetricForDpi(SM_CXICON, dpi));
  EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(SendMessageW(Editor(), WM_GETICON, ICON_SMALL, 0))),
            SystemMetricForDpi(SM_CXSMICON, dpi));
}

TEST_F(FolderEditorWindowTest, ControlsFollowTheTabOrder) {
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

  EXPECT_EQ(GetWindowLongW(Combo(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(GetWindowLongW(Button(L"&Add..."), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);
}

TEST_F(FolderEditorWindowTest, SecondShowKeepsTheOneEditor) {
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

TEST_F(FolderEditorWindowTest, EveryWayOfClosingLeavesTheListAsShownAndTellsTheOwnerOnce) {
  struct Way {
    const char* name;
    std::function<void(FolderEditorWindowTest&)> close;
  };
  const Way ways[] = {
      {"Close()", [](FolderEditorWindowTest& t) { t.editor_.Close(); }},
      {"close box", [](FolderEditorWindowTest&) { SendMessageW(Editor(), WM_CLOSE, 0, 0); }},
      {"Close button", [](FolderEditorWindowTest&) { SendMessageW(Button(L"&Close"), BM_CLICK, 0, 0); }},
      {"Esc",
       [](FolderEditorWindowTest& t) {
         MSG msg{Combo(), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
         EXPECT_TRUE(t.editor_.TranslateDialogMessage(msg));
       }},
  };
  for (const Way& way : ways) {
    closes_ = 0;
    Open({"D:\\Work\\", "c:\\apps\\", "C:\\Data\\"});
    SendMessageW(Button(L"&Delete"), BM_CLICK, 0, 0);
    const std::vector<std::string> shown = ComboLines();
    way.close(*this);
    Pump();
    EXPECT_EQ(Editor(), nullptr) << way.name;
    EXPECT_FALSE(editor_.IsVisible()) << way.name;
    EXPECT_EQ(folders_.Folders(), shown) << way.name;
    EXPECT_EQ(closes_, 1) << way.name;
  }
}

TEST_F(FolderEditorWindowTest, DeleteTakesTheSelectedFolderOutOfTheListAtOnce) {
  Open({"C:\\A\\", "C:\\B\\", "C:\\C\\"});
  SendMessageW(Combo(), CB_SETCURSEL, 1, 0);
  SendMessageW(Button(L"&Delete"), BM_CLICK, 0, 0);

  EXPECT_EQ(ComboLines(), (std::vector<std::string>{"C:\\A\\", "C:\\C\\"}));
  EXPECT_EQ(folders_.Folders(), ComboLines());
  EXPECT_EQ(SelectedLine(), "C:\\A\\");
  EXPECT_TRUE(editor_.IsVisible());
}

TEST_F(FolderEditorWindowTest, DeletingTheOnlyPathDisablesDelete) {
  Open({"C:\\A\\"});
  SendMessageW(Button(L"&Delete"), BM_CLICK, 0, 0);
  EXPECT_TRUE(folders_.Empty());
  EXPECT_FALSE(IsWindowEnabled(Button(L"&Delete")));
  EXPECT_TRUE(IsWindowEnabled(Button(L"&Add...")));
}

TEST_F(FolderEditorWindowTest, AltPMovesTheFocusToTheList) {
  Open({"C:\\A\\"});
  SetFocus(Button(L"&Close"));
  ASSERT_EQ(GetFocus(), Button(L"&Close"));
  MSG msg{Button(L"&Close"), WM_SYSCHAR, 'p', 0x20000001, 0, {}};
  EXPECT_TRUE(editor_.TranslateDialogMessage(msg));
  EXPECT_EQ(GetFocus(), Combo());
}

// Watches the lines going into the editor's list window while it fills: at the chosen line, a
// close request is put among the messages the fill lets run, as the task list or the end of the
// session would put one there.
class CloseDuringFill {
 public:
  explicit CloseDuringFill(int atLine) {
    atLine_ = atLine;
    lines_ = 0;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &CloseDuringFill::Watch, nullptr, GetCurrentThreadId());
  }
  ~CloseDuringFill() { UnhookWindowsHookEx(hook_); }
  CloseDuringFill(const CloseDuringFill&) = delete;
  CloseDuringFill& operator=(const CloseDuringFill&) = delete;

  static int LinesFilled() { return lines_; }

 private:
  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == CB_INSERTSTRING && ++lines_ == atLine_) {
      PostMessageW(GetParent(call->hwnd), WM_CLOSE, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline int atLine_ = 0;
  static inline int lines_ = 0;
  HHOOK hook_ = nullptr;
};

TEST_F(FolderEditorWindowTest, ClosedAtAnyStepOfItsFillTheListStaysWholeAndTheFillStops) {
  const std::vector<std::string> paths{"C:\\A\\", "C:\\B\\", "C:\\C\\", "C:\\D\\", "C:\\E\\"};
  for (int step = 1; step <= 5; ++step) {
    folders_ = FolderList(paths);
    closes_ = 0;
    std::vector<std::string> atClose;
    FolderEditorWindow editor{FolderEditorContext{GetModuleHandleW(nullptr), icon_, &folders_, [&] {
                                                    // What a shutdown at this moment would save.
                                                    atClose = folders_.Folders();
                                                    ++closes_;
                                                  }}};
    {
      CloseDuringFill closer(step);
      editor.Show();
      EXPECT_EQ(CloseDuringFill::LinesFilled(), step) << "filled on after the close, step " << step;
    }
    Pump();
    EXPECT_EQ(FindEditor(), nullptr) << step;
    EXPECT_FALSE(editor.IsVisible()) << step;
    EXPECT_EQ(closes_, 1) << step;
    EXPECT_EQ(atClose, paths) << step;
    EXPECT_EQ(folders_.Folders(), paths) << step;
  }
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

TEST_F(FolderEditorWindowTest, AddRunsTheFolderBrowserAndTakesOnlyFileSystemFolders) {
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
    Open({"D:\\Kept\\"});
    {
      BrowserScript script(Editor(), c.steps);
      SendMessageW(Button(L"&Add..."), BM_CLICK, 0, 0);
      EXPECT_TRUE(script.sawTitle) << c.name;
    }
    EXPECT_EQ(ComboLines(), c.expected) << c.name;
    EXPECT_EQ(folders_.Folders(), c.expected) << c.name;
    // The added path is the selected line; otherwise the selection stays where it was.
    EXPECT_EQ(SelectedLine(), c.expected.size() > 1 ? c.expected.front() : "D:\\Kept\\") << c.name;
    editor_.Close();
  }
}

}  // namespace
}  // namespace dm::win
