// The About box as a real window: what it shows, where it opens, and the ways it closes.
// Each test opens the box modally from a hidden owner; a timer of the owner inspects the open box
// and then closes it, so that ShowModal returns.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <cstdint>
#include <functional>
#include <string>

#include "ui/about/about_layout.h"
#include "ui/about/about_text.h"
#include "win32/base/text_conversion.h"
#include "win32/windows/about_box.h"
#include "win32/windows/display_scale.h"

namespace dm::win {
namespace {

constexpr wchar_t kOwnerClass[] = L"AboutBoxTestOwner";
constexpr UINT_PTR kInspectTimer = 1;
constexpr UINT_PTR kWatchdogTimer = 2;  // ends a box that never closes, so that a failure cannot hang

// A hidden top-level window that owns the box and runs a callback on its timers.
class Owner {
 public:
  using OnTimer = std::function<void(UINT_PTR)>;

  explicit Owner(OnTimer onTimer) : onTimer_(std::move(onTimer)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Owner::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kOwnerClass;
    RegisterClassExW(&windowClass);
    window_.Reset(CreateWindowExW(0, kOwnerClass, L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), this));
  }

  HWND Get() const { return window_.Get(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_TIMER && owner != nullptr) {
      KillTimer(window, wParam);
      owner->onTimer_(wParam);
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  OnTimer onTimer_;
  UniqueWindow window_;
};

// The visible box owned by owner, if there is one.
struct BoxSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  if (GetWindow(window, GW_OWNER) != search->owner || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindBox(HWND owner) {
  BoxSearch search{owner, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string Text(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return WideToUtf8(text);
}

std::string ControlText(HWND box, AboutControl control) {
  return Text(GetDlgItem(box, static_cast<int>(control)));
}

// What the inspecting timer saw while the box was open.
struct Seen {
  HWND box = nullptr;
  bool ownerDisabled = false;
  bool openDuringShow = false;
  bool watchdogFired = false;
};

// Opens the box with aboutInfoText; inspect runs once while it is open and must close it.
Seen ShowAndInspect(AboutBox& about, const std::string& aboutInfoText,
                    const std::function<void(HWND box)>& inspect) {
  Seen seen;
  HWND ownerWindow = nullptr;
  Owner owner([&](UINT_PTR timer) {
    if (timer == kWatchdogTimer) {
      seen.watchdogFired = about.IsOpen();
      about.Close();
      return;
    }
    seen.box = FindBox(ownerWindow);
    seen.ownerDisabled = !IsWindowEnabled(ownerWindow);
    seen.openDuringShow = about.IsOpen();
    if (seen.box != nullptr) inspect(seen.box);
    if (seen.box == nullptr) about.Close();
  });
  ownerWindow = owner.Get();
  SetTimer(ownerWindow, kInspectTimer, 50, nullptr);
  SetTimer(ownerWindow, kWatchdogTimer, 10000, nullptr);
  about.ShowModal(GetModuleHandleW(nullptr), ownerWindow, LoadIconW(nullptr, IDI_APPLICATION), aboutInfoText);
  KillTimer(ownerWindow, kWatchdogTimer);
  EXPECT_TRUE(IsWindowEnabled(ownerWindow)) << "the owner is enabled again";
  return seen;
}

TEST(AboutBox, ShowsCaptionVersionInformationAndMemory) {
  AboutBox about;
  const std::string info = AboutInfoText(3);
  std::string caption, program, specific, memory, ok, url, mail;
  const Seen seen = ShowAndInspect(about, info, [&](HWND box) {
    caption = Text(box);
    program = ControlText(box, AboutControl::ProgramLine);
    specific = ControlText(box, AboutControl::FolderCountLine);
    memory = ControlText(box, AboutControl::MemoryLine);
    ok = ControlText(box, AboutControl::OkButton);
    url = ControlText(box, AboutControl::WebAddress);
    mail = ControlText(box, AboutControl::MailAddress);
    about.Close();
  });
  ASSERT_NE(seen.box, nullptr);
  EXPECT_TRUE(seen.ownerDisabled);
  EXPECT_TRUE(seen.openDuringShow);
  EXPECT_FALSE(seen.watchdogFired);
  EXPECT_EQ(caption, "About Dashmarks");
  EXPECT_EQ(program, "Dashmark Access, 1.32");
  EXPECT_EQ(specific, info);
  EXPECT_EQ(specific.size(), 64u);
  EXPECT_EQ(ok, "OK");
  EXPECT_FALSE(url.empty());
  EXPECT_FALSE(mail.empty());

  // The whole physical memory in kilobytes, not the 4 GB-capped figure of the old record.
  ASSERT_GT(memory.size(), 3u);
  EXPECT_EQ(memory.substr(memory.size() - 3), " KB");
  std::uint64_t shownKilobytes = 0;
  for (char c : memory.substr(0, memory.size() - 3)) {
    if (c >= '0' && c <= '9') shownKilobytes = shownKilobytes * 10 + static_cast<std::uint64_t>(c - '0');
  }
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));
  EXPECT_EQ(shownKilobytes, (status.ullTotalPhys + 512) / 1024);
}

// The width in pixels of a control's text in the control's own font.
int ControlTextWidth(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  HDC dc = GetDC(control);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return extent.cx;
}

TEST(AboutBox, OpensCentredWithEveryControlInsideItsClientArea) {
  AboutBox about;
  RECT outer{}, client{};
  LONG style = 0;
  HWND focus = nullptr, ok = nullptr;
  LONG okStyle = 0, urlStyle = 0;
  int memoryTextWidth = 0;
  struct Placed {
    AboutControl control;
    RECT actual;
  };
  Placed placed[] = {
      {AboutControl::AboutIcon, {}},     {AboutControl::ProgramLine, {}},
      {AboutControl::AuthorLine, {}},    {AboutControl::CopyrightLine, {}},
      {AboutControl::WebAddress, {}},    {AboutControl::MailAddress, {}},
      {AboutControl::InfoHeading, {}},   {AboutControl::FolderCountLine, {}},
      {AboutControl::MemoryHeading, {}}, {AboutControl::MemoryLine, {}},
      {AboutControl::OkButton, {}},
  };
  const Seen seen = ShowAndInspect(about, AboutInfoText(0), [&](HWND box) {
    GetWindowRect(box, &outer);
    GetClientRect(box, &client);
    style = GetWindowLongW(box, GWL_STYLE);
    focus = GetFocus();
    ok = GetDlgItem(box, IDOK);
    okStyle = GetWindowLongW(ok, GWL_STYLE);
    urlStyle = GetWindowLongW(GetDlgItem(box, static_cast<int>(AboutControl::WebAddress)), GWL_STYLE);
    memoryTextWidth = ControlTextWidth(GetDlgItem(box, static_cast<int>(AboutControl::MemoryLine)));
    for (Placed& p : placed) {
      HWND control = GetDlgItem(box, static_cast<int>(p.control));
      GetWindowRect(control, &p.actual);
      MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&p.actual), 2);
    }
    about.Close();
  });
  ASSERT_NE(seen.box, nullptr);

  // Every control lies inside the client area with the same margin all round: the icon's distance
  // from the top left corner is the space left right of and below the rightmost and lowest control
  // (a pixel of rounding either way).
  const int margin = placed[0].actual.left;
  EXPECT_EQ(placed[0].actual.top, margin);
  EXPECT_GT(margin, 0);
  LONG rightmost = 0, lowest = 0;
  for (const Placed& p : placed) {
    SCOPED_TRACE(static_cast<int>(p.control));
    EXPECT_GE(p.actual.left, margin - 1);
    EXPECT_GE(p.actual.top, margin - 1);
    rightmost = std::max(rightmost, p.actual.right);
    lowest = std::max(lowest, p.actual.bottom);
  }
  EXPECT_NEAR(client.right - rightmost, margin, 1);
  EXPECT_NEAR(client.bottom - lowest, margin, 1);

  // Centred on the screen.
  EXPECT_NEAR(outer.left, GetSystemMetrics(SM_CXSCREEN) - outer.right, 1);
  EXPECT_NEAR(outer.top, GetSystemMetrics(SM_CYSCREEN) - outer.bottom, 1);

  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_EQ(style & WS_SYSMENU, WS_SYSMENU);
  EXPECT_EQ(okStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(focus, ok);
  EXPECT_EQ(urlStyle & ES_READONLY, ES_READONLY);

  // No control hides another's text (lines one above the other may share a row of pixels), and the
  // memory figure, " KB" included, is not cut.
  for (const Placed& a : placed) {
    for (const Placed& b : placed) {
      RECT overlap{};
      if (&a == &b || !IntersectRect(&overlap, &a.actual, &b.actual)) continue;
      EXPECT_LE(overlap.bottom - overlap.top, 1)
          << static_cast<int>(a.control) << " covers " << static_cast<int>(b.control);
    }
    if (a.control == AboutControl::MemoryLine) {
      EXPECT_GE(a.actual.right - a.actual.left, memoryTextWidth);
    }
  }
}

TEST(AboutBox, IsLaidOutAgainWhereTheSystemSaysTheScaleChanged) {
  // What the system sends when the box moves to a monitor of another scale: laid out for the new
  // scale, where the system suggests, every control inside, the icon as large as its place.
  AboutBox about;
  RECT before{}, after{}, outer{}, icon{};
  bool everyControlInside = true;
  const int dpi = SystemDpi();
  const Seen seen = ShowAndInspect(about, AboutInfoText(0), [&](HWND box) {
    GetClientRect(box, &before);
    RECT suggested{40, 30, 40 + 900, 30 + 700};
    SendMessageW(box, WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&suggested));
    GetClientRect(box, &after);
    GetWindowRect(box, &outer);
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT r{};
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
      everyControlInside =
          everyControlInside && r.left > 0 && r.top > 0 && r.right < after.right && r.bottom < after.bottom;
    }
    GetClientRect(GetDlgItem(box, static_cast<int>(AboutControl::AboutIcon)), &icon);
    about.Close();
  });
  ASSERT_NE(seen.box, nullptr);
  // About twice as large: the frame the system draws around it here stays at the system's scale,
  // and the fonts are not exactly twice as wide, so only the controls' inside is exact.
  EXPECT_GT(after.right, before.right * 3 / 2);
  EXPECT_GT(after.bottom, before.bottom * 3 / 2);
  EXPECT_EQ(outer.left, 40);
  EXPECT_EQ(outer.top, 30);
  EXPECT_TRUE(everyControlInside);
  EXPECT_EQ(icon.right, MulDiv(32, 2 * dpi, 96));
}

std::string ClipboardText(HWND owner) {
  std::string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = WideToUtf8(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

TEST(AboutBox, TextFieldsCanBeCopiedButNotChanged) {
  for (AboutControl field : {AboutControl::WebAddress, AboutControl::MailAddress}) {
    SCOPED_TRACE(static_cast<int>(field));
    AboutBox about;
    std::string before, after, copied;
    const Seen seen = ShowAndInspect(about, AboutInfoText(0), [&](HWND box) {
      HWND control = GetDlgItem(box, static_cast<int>(field));
      before = Text(control);
      SendMessageW(control, WM_CHAR, L'x', 1);
      after = Text(control);
      SendMessageW(control, EM_SETSEL, 0, -1);
      SendMessageW(control, WM_COPY, 0, 0);
      copied = ClipboardText(box);
      about.Close();
    });
    ASSERT_NE(seen.box, nullptr);
    EXPECT_FALSE(before.empty());
    EXPECT_EQ(after, before);
    EXPECT_EQ(copied, before);
  }
}

TEST(AboutBox, ClosesByEveryGestureAndShowModalReturns) {
  struct Gesture {
    const char* name;
    std::function<void(AboutBox&, HWND box)> close;
  };
  auto key = [](UINT virtualKey, AboutControl target) {
    return [virtualKey, target](AboutBox&, HWND box) {
      HWND control = GetDlgItem(box, static_cast<int>(target));
      SetFocus(control);
      PostMessageW(control, WM_KEYDOWN, virtualKey, 1);
      PostMessageW(control, WM_KEYUP, virtualKey, 0xC0000001);
    };
  };
  const Gesture gestures[] = {
      {"Enter on the OK button", key(VK_RETURN, AboutControl::OkButton)},
      {"Enter in the web address field", key(VK_RETURN, AboutControl::WebAddress)},
      {"Esc", key(VK_ESCAPE, AboutControl::OkButton)},
      {"OK button click", [](AboutBox&, HWND box) { PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0); }},
      {"close box", [](AboutBox&, HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Close() from outside", [](AboutBox& about, HWND) { about.Close(); }},
  };
  for (const Gesture& gesture : gestures) {
    SCOPED_TRACE(gesture.name);
    AboutBox about;
    const Seen seen = ShowAndInspect(about, AboutInfoText(1), [&](HWND box) { gesture.close(about, box); });
    ASSERT_NE(seen.box, nullptr);
    EXPECT_TRUE(seen.openDuringShow);
    EXPECT_FALSE(seen.watchdogFired);
    EXPECT_FALSE(about.IsOpen());
    EXPECT_FALSE(IsWindow(seen.box));
  }
}

TEST(AboutBox, ClosingWithNothingOpenDoesNothingAndTheBoxOpensAgain) {
  AboutBox about;
  about.Close();
  EXPECT_FALSE(about.IsOpen());
  for (int round = 0; round < 2; ++round) {
    std::string specific;
    const Seen seen = ShowAndInspect(about, AboutInfoText(255), [&](HWND box) {
      specific = ControlText(box, AboutControl::FolderCountLine);
      about.Close();
    });
    ASSERT_NE(seen.box, nullptr);
    EXPECT_EQ(specific, AboutInfoText(255));
  }
}

}  // namespace
}  // namespace dm::win
