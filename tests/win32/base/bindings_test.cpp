// The bindings module: records laid out as the system expects them, functions resolved on their
// first call, and a function that cannot be resolved failing at that call.

#include "win32/base/bindings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "win32/base/lazy_proc.h"
#include "win32/windows/notify_icon.h"

namespace dm::win {
namespace {

TEST(Records, HaveTheSystemsLayout) {
#if !defined(_WIN64)
  EXPECT_EQ(sizeof(TrayIconRecord), 88u);
  EXPECT_EQ(sizeof(BrowseInfoRecord), 32u);
#endif
  EXPECT_EQ(sizeof(TrayIconRecord), static_cast<size_t>(NOTIFYICONDATAA_V1_SIZE));
  EXPECT_EQ(sizeof(BrowseInfoRecord), sizeof(BROWSEINFOA));
}

TEST(LazyProc, AnUnknownFunctionFailsAtItsCallAndSaysSo) {
  LazyProc<int(WINAPI*)(int)> missing(L"kernel32.dll", "NoSuchFunctionInKernel32");
  SetLastError(0);
  EXPECT_EQ(missing.Resolve(), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  LazyProc<int(WINAPI*)(int)> noLibrary(L"no-such-library-here.dll", "Anything");
  EXPECT_EQ(noLibrary.Resolve(), nullptr);
}

TEST(LazyProc, AKnownFunctionIsResolvedOnceAndRemembered) {
  LazyProc<DWORD(WINAPI*)()> tick(L"kernel32.dll", "GetTickCount");
  auto first = tick.Resolve();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(tick.Resolve(), first);
  EXPECT_EQ(reinterpret_cast<void*>(first),
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount")));
}

TEST(Bindings, CallThroughToTheSystem) {
  const BSTR text = bindings::SysAllocString(L"Dashmarks");
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(text, L"Dashmarks");
  bindings::SysFreeString(text);
  EXPECT_TRUE(SUCCEEDED(bindings::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  bindings::CoUninitialize();
}

TEST(NotifyIconRecord, EveryFillSetsEveryFieldAndPadsTheTipWithBlanks) {
  const HWND owner = reinterpret_cast<HWND>(0x1234);
  const HICON icon = reinterpret_cast<HICON>(0x5678);
  NotifyIcon notifyIcon(owner, icon);
  notifyIcon.Modify("3 Dashmarks");  // no icon with that owner exists; the record is still filled
  const TrayIconRecord& record = notifyIcon.Record();
  EXPECT_EQ(record.cbSize, sizeof(TrayIconRecord));
  EXPECT_EQ(record.hWnd, owner);
  EXPECT_EQ(record.uID, 1u);
  EXPECT_EQ(record.uFlags, 7u);
  EXPECT_EQ(record.uCallbackMessage, 512u);
  EXPECT_EQ(record.hIcon, icon);
  EXPECT_STREQ(record.szTip, "3 Dashmarks");
  for (size_t i = std::strlen("3 Dashmarks") + 1; i < sizeof(record.szTip); ++i) {
    EXPECT_EQ(record.szTip[i], ' ') << "at " << i;
  }
}

TEST(NotifyIconRecord, ATipLongerThanTheFieldIsCutAndStillTerminated) {
  NotifyIcon notifyIcon(nullptr, nullptr);
  notifyIcon.Modify(std::string(100, '9') + " Dashmarks");
  EXPECT_EQ(std::strlen(notifyIcon.Record().szTip), 63u);
}

}  // namespace
}  // namespace dm::win
