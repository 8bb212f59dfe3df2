// The folder check against the real file system.

#include "win32/delivery/folder_check.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/base/file_system_redirection.h"
#include "win32/base/text_conversion.h"
#include "win32/support/test_thread.h"

namespace dm::win {
namespace {

TEST(FolderCheckTest, TellsAFolderFromAFileAndFromNothing) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"dm-folder-check-\u00E9";
  const std::wstring file = folder + L"\\a.txt";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  CloseHandle(handle);

  Win32FolderCheck check;
  EXPECT_EQ(check.Check(WideToUtf8(folder)), FolderState::Folder);
  EXPECT_EQ(check.Check(WideToUtf8(folder) + "\\"), FolderState::Folder);
  EXPECT_EQ(check.Check(WideToUtf8(file)), FolderState::NotFolder);
  EXPECT_EQ(check.Check(WideToUtf8(folder) + "\\gone\\"), FolderState::NotFolder);

  DeleteFileW(file.c_str());
  RemoveDirectoryW(folder.c_str());
  EXPECT_EQ(check.Check(WideToUtf8(folder)), FolderState::NotFolder);
}

TEST(FolderCheckTest, APreparedLookAnswersOnlyForItsOwnPath) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string folder = WideToUtf8(std::wstring(temp) + L"dm-prepared-\u00E9");
  ASSERT_TRUE(CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr) ||
              GetLastError() == ERROR_ALREADY_EXISTS);
  const std::string gone = folder + "\\gone";

  Win32FolderCheck check;
  check.Prepare(folder);
  EXPECT_EQ(check.Check(folder), FolderState::Folder);
  // Prepared for one path, asked for another: each answer is the asked path's own.
  check.Prepare(folder);
  EXPECT_EQ(check.Check(gone), FolderState::NotFolder);
  check.Prepare(gone);
  EXPECT_EQ(check.Check(folder), FolderState::Folder);
  // A prepared look is used once: the folder removed after it is seen gone.
  check.Prepare(folder);
  EXPECT_EQ(check.Check(folder), FolderState::Folder);
  RemoveDirectoryW(Utf8ToWide(folder).c_str());
  EXPECT_EQ(check.Check(folder), FolderState::NotFolder);
}

TEST(FolderCheckTest, APathOffThisMachinesDisksIsNeverTakenForAFolderItIsNot) {
  // Looked at on a worker with a deadline: a server that does not exist is no folder, or unknown.
  Win32FolderCheck check;
  check.Prepare("\\\\dm-no-such-server\\share\\folder");
  EXPECT_NE(check.Check("\\\\dm-no-such-server\\share\\folder"), FolderState::Folder);
  EXPECT_NE(check.Check("\\\\dm-no-such-server\\share"), FolderState::Folder);
}

// The redirection calls as the folder check makes them, with the thread that made each.
struct RedirectionLog {
  CriticalSection lock;
  std::vector<DWORD> offOn;   // threads that turned it off and have not turned it back on
  std::vector<DWORD> allOff;  // every thread that turned it off
};
RedirectionLog redirectionLog;

BOOL LoggedDisable(void** previous) {
  const CriticalSection::Lock locked(redirectionLog.lock);
  redirectionLog.offOn.push_back(GetCurrentThreadId());
  redirectionLog.allOff.push_back(GetCurrentThreadId());
  *previous = nullptr;
  return TRUE;
}

BOOL LoggedRevert(void* /*previous*/) {
  const CriticalSection::Lock locked(redirectionLog.lock);
  for (auto it = redirectionLog.offOn.begin(); it != redirectionLog.offOn.end(); ++it) {
    if (*it == GetCurrentThreadId()) {
      redirectionLog.offOn.erase(it);
      return TRUE;
    }
  }
  ADD_FAILURE() << "turned back on by a thread that did not turn it off";
  return TRUE;
}

// Whether every thread that turned redirection off turned it back on, waiting for a worker until
// the deadline.
bool AllTurnedBackOn(ULONGLONG deadlineMs) {
  const ULONGLONG until = GetTickCount64() + deadlineMs;
  for (;;) {
    {
      const CriticalSection::Lock locked(redirectionLog.lock);
      if (redirectionLog.offOn.empty()) return true;
    }
    if (GetTickCount64() > until) return false;
    Sleep(10);
  }
}

TEST(FolderCheckTest, LooksWithRedirectionOffAndTurnsItBackOnOnTheThreadThatLooked) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string folder = WideToUtf8(std::wstring(temp) + L"dm-redirection");
  ASSERT_TRUE(CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr) ||
              GetLastError() == ERROR_ALREADY_EXISTS);
  struct Case {
    std::string path;
    bool onWorker;
    FolderState notExpected;
  };
  const Case cases[] = {
      {folder, false, FolderState::NotFolder},
      {folder + "\\gone", false, FolderState::Folder},
      {"\\\\dm-no-such-server\\share\\folder", true, FolderState::Folder},
  };
  for (const Case& c : cases) {
    {
      const CriticalSection::Lock locked(redirectionLog.lock);
      redirectionLog.offOn.clear();
      redirectionLog.allOff.clear();
    }
    Win32FolderCheck check(RedirectionCalls{LoggedDisable, LoggedRevert});
    check.Prepare(c.path);
    EXPECT_NE(check.Check(c.path), c.notExpected) << c.path;
    // A worker the check stopped waiting for finishes on its own, and turns it back on then.
    EXPECT_TRUE(AllTurnedBackOn(10000)) << c.path;
    const CriticalSection::Lock locked(redirectionLog.lock);
    ASSERT_FALSE(redirectionLog.allOff.empty()) << c.path;
    bool byAnotherThread = false;
    for (const DWORD thread : redirectionLog.allOff) byAnotherThread |= thread != GetCurrentThreadId();
    EXPECT_EQ(byAnotherThread, c.onWorker) << c.path;
  }
  RemoveDirectoryW(Utf8ToWide(folder).c_str());
}

}  // namespace
}  // namespace dm::win
