// A pop-up menu closed without a choice gives the front back to the window that had it, against
// real windows and menus: the menu is closed from inside its own loop, as Esc closes it.

#include "win32/windows/popup_menu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "store/folder_list.h"

namespace dm::win {
namespace {

// What happens while the menu is open, just before it is closed without a choice.
std::function<void()> g_whileOpen;

void CALLBACK CloseTheMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (g_whileOpen) g_whileOpen();
  EndMenu();
}

HWND TopLevelWindow(const wchar_t* title, int left, bool visible) {
  return CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", title,
                         WS_POPUP | WS_BORDER | (visible ? WS_VISIBLE : 0), left, 300, 160, 80, nullptr,
                         nullptr, nullptr, nullptr);
}

TEST(PopupMenuTest, AMenuClosedWithoutAChoiceGivesTheFrontBackOnlyWhileNothingElseTookIt) {
  enum class Meanwhile { Nothing, AnotherWindowTookTheFront, TheWindowClosed };
  const struct {
    const char* name;
    Meanwhile meanwhile;
  } cases[] = {{"nothing", Meanwhile::Nothing},
               {"another window took the front", Meanwhile::AnotherWindowTookTheFront},
               {"the window in front closed", Meanwhile::TheWindowClosed}};
  const FoldersMenu menu = BuildFoldersMenu(FolderList({"C:\\Windows\\"}), {"C:\\Users\\"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND owner = TopLevelWindow(L"owner", 300, false);
    const HWND user = TopLevelWindow(L"the user's window", 300, true);
    const HWND other = TopLevelWindow(L"another window", 500, true);
    ASSERT_TRUE(owner != nullptr && user != nullptr && other != nullptr);
    SetForegroundWindow(user);
    ASSERT_EQ(GetForegroundWindow(), user) << "the test's window cannot have the front here";
    g_whileOpen = [&] {
      if (c.meanwhile == Meanwhile::AnotherWindowTookTheFront) SetForegroundWindow(other);
      if (c.meanwhile == Meanwhile::TheWindowClosed) DestroyWindow(user);
    };
    ASSERT_NE(SetTimer(nullptr, 0, 100, CloseTheMenu), 0U);
    EXPECT_EQ(TrackFoldersMenu(owner, menu, ScreenPoint{320, 320}), FoldersMenuChoice{});
    switch (c.meanwhile) {
      case Meanwhile::Nothing:
        EXPECT_EQ(GetForegroundWindow(), user);
        break;
      case Meanwhile::AnotherWindowTookTheFront:
        EXPECT_EQ(GetForegroundWindow(), other);
        break;
      case Meanwhile::TheWindowClosed:
        EXPECT_FALSE(IsWindow(user));
        EXPECT_NE(GetForegroundWindow(), other);
        break;
    }
    g_whileOpen = nullptr;
    for (const HWND window : {owner, user, other}) {
      if (IsWindow(window)) DestroyWindow(window);
    }
  }
}

}  // namespace
}  // namespace dm::win
