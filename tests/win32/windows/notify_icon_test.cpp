// The icon's callbacks read as the program's events: with the original behaviour lParam is the
// mouse message; with the current one (version 4) lParam holds the event and the icon's id and
// wParam the anchor point. And the shell asked for the current behaviour after every add.

#include "win32/windows/notify_icon.h"

#include <gtest/gtest.h>

#include <optional>

namespace dm::win {
namespace {

WPARAM Point(int x, int y) { return static_cast<WPARAM>(MAKELONG(x, y)); }
LPARAM Current(UINT event, UINT id = NotifyIcon::kIconId) { return MAKELPARAM(event, id); }

struct CallbackCase {
  const char* name;
  WPARAM wParam;
  LPARAM lParam;
  bool current;
  IconNotification expected;
};

TEST(IconEventFromCallback, ReadsBothBehaviours) {
  const std::optional<ScreenPoint> none;
  const ScreenPoint anchor{1210, 1046};
  const CallbackCase cases[] = {
      {"original left up", 1, WM_LBUTTONUP, false, {IconEvent::LeftButtonUp, none}},
      {"original double click", 1, WM_LBUTTONDBLCLK, false, {IconEvent::LeftDoubleClick, none}},
      {"original right up", 1, WM_RBUTTONUP, false, {IconEvent::RightButtonUp, none}},
      {"original move", 1, WM_MOUSEMOVE, false, {IconEvent::Other, none}},
      {"original left down", 1, WM_LBUTTONDOWN, false, {IconEvent::Other, none}},
      // A version-4 word in the original behaviour is no mouse message.
      {"original, a version-4 lParam", Point(5, 5), Current(WM_LBUTTONUP), false, {IconEvent::Other, none}},
      {"left up", Point(1210, 1046), Current(WM_LBUTTONUP), true, {IconEvent::LeftButtonUp, none}},
      {"double click",
       Point(1210, 1046),
       Current(WM_LBUTTONDBLCLK),
       true,
       {IconEvent::LeftDoubleClick, none}},
      {"right up", Point(1210, 1046), Current(WM_RBUTTONUP), true, {IconEvent::RightButtonUp, none}},
      {"move", Point(1210, 1046), Current(WM_MOUSEMOVE), true, {IconEvent::Other, none}},
      {"selection", Point(1210, 1046), Current(NIN_SELECT), true, {IconEvent::Select, anchor}},
      {"keyboard selection", Point(1210, 1046), Current(NIN_KEYSELECT), true, {IconEvent::KeySelect, anchor}},
      {"menu key", Point(1210, 1046), Current(WM_CONTEXTMENU), true, {IconEvent::ContextMenu, anchor}},
      {"left of a second monitor",
       Point(-1700, 300),
       Current(NIN_KEYSELECT),
       true,
       {IconEvent::KeySelect, ScreenPoint{-1700, 300}}},
      {"another icon's id", Point(1210, 1046), Current(NIN_KEYSELECT, 2), true, {IconEvent::Other, none}},
      {"balloon shown", Point(1210, 1046), Current(NIN_BALLOONSHOW), true, {IconEvent::Other, none}},
  };
  for (const CallbackCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IconEventFromCallback(c.wParam, c.lParam, c.current), c.expected);
  }
}

TEST(NotifyIconBehaviour, AnAddAsksForTheCurrentBehaviourAndShowsTheTipWithIt) {
  const HWND owner =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  NotifyIcon icon(owner, LoadIconW(nullptr, IDI_APPLICATION));
  EXPECT_FALSE(icon.CurrentBehaviour());
  ASSERT_TRUE(icon.Add("1 Dashmarks"));
  // This Wine takes version 4; a shell that refuses it leaves the original behaviour and flags.
  EXPECT_TRUE(icon.CurrentBehaviour());
  EXPECT_EQ(icon.Record().uFlags, static_cast<UINT>(NIF_ICON | NIF_TIP | NIF_MESSAGE | NIF_SHOWTIP));
  icon.Remove();
  EXPECT_FALSE(icon.CurrentBehaviour());
  DestroyWindow(owner);
}

}  // namespace
}  // namespace dm::win
