// This thread's file-system redirection turned off for a while: turned back on exactly once, by
// the object's last owner, with the value the system gave when it was turned off, and the look in
// between keeps its own error. The system's own calls are bound and leave folders where they are.

#include "win32/base/file_system_redirection.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "win32/base/bindings.h"

namespace dm::win {
namespace {

// What the fake calls were asked, on this test's thread.
struct Asked {
  int disables = 0;
  std::vector<void*> reverts;
  bool disableSucceeds = true;
};
Asked asked;
void* const kPrevious = reinterpret_cast<void*>(static_cast<INT_PTR>(0x5EED));

BOOL FakeDisable(void** previous) {
  ++asked.disables;
  SetLastError(ERROR_INVALID_FUNCTION);  // whatever the call leaves behind
  if (!asked.disableSucceeds) return FALSE;
  *previous = kPrevious;
  return TRUE;
}

BOOL FakeRevert(void* previous) {
  asked.reverts.push_back(previous);
  SetLastError(ERROR_INVALID_FUNCTION);
  return TRUE;
}

constexpr RedirectionCalls kFakeCalls{FakeDisable, FakeRevert};

TEST(FileSystemRedirectionOff, IsTurnedBackOnOnceWithTheValueTheSystemGave) {
  struct Case {
    const char* what;
    bool disableSucceeds;
    bool off;
    std::size_t reverts;
  };
  const Case cases[] = {
      {"turned off", true, true, 1},
      {"nothing to turn off (a 64-bit process, 32-bit Windows)", false, false, 0},
  };
  for (const Case& c : cases) {
    asked = Asked{};
    asked.disableSucceeds = c.disableSucceeds;
    {
      SetLastError(ERROR_PATH_NOT_FOUND);
      const FileSystemRedirectionOff scope(kFakeCalls);
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND)) << c.what;
      EXPECT_EQ(scope.IsOff(), c.off) << c.what;
      EXPECT_TRUE(asked.reverts.empty()) << c.what;
      SetLastError(ERROR_FILE_NOT_FOUND);
    }
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << c.what;
    EXPECT_EQ(asked.disables, 1) << c.what;
    ASSERT_EQ(asked.reverts.size(), c.reverts) << c.what;
    if (c.reverts != 0) {
      EXPECT_EQ(asked.reverts.front(), kPrevious) << c.what;
    }
  }
}

TEST(FileSystemRedirectionOff, AMovedScopeIsRevertedByItsLastOwnerAlone) {
  asked = Asked{};
  {
    FileSystemRedirectionOff first(kFakeCalls);
    FileSystemRedirectionOff second(std::move(first));
    EXPECT_FALSE(first.IsOff());  // NOLINT(bugprone-use-after-move): a moved-from scope owes nothing
    EXPECT_TRUE(second.IsOff());
    FileSystemRedirectionOff third(kFakeCalls);
    // Taking another scope's revert makes this one revert its own first.
    third = std::move(second);
    EXPECT_EQ(asked.reverts.size(), 1u);
    EXPECT_TRUE(third.IsOff());
  }
  EXPECT_EQ(asked.disables, 2);
  EXPECT_EQ(asked.reverts, (std::vector<void*>{kPrevious, kPrevious}));
}

TEST(FileSystemRedirectionOff, TheSystemsCallsAreBoundAndLeaveTheSystemFolderWhereItIs) {
  // A 64-bit process has nothing redirected; a 32-bit one on 64-bit Windows has it turned off.
  // (Under Wine the tests run as a 64-bit process, where the redirection itself cannot be seen.)
  BOOL wow64 = FALSE;
  ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
  wchar_t system[MAX_PATH] = {};
  ASSERT_NE(GetSystemDirectoryW(system, MAX_PATH), 0u);
  {
    const FileSystemRedirectionOff scope;
    if (wow64) {
      EXPECT_TRUE(scope.IsOff());
    }
    const DWORD attributes = GetFileAttributesW(system);
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  }
  // Turned back on, it can be turned off again, and is turned back on again.
  void* previous = nullptr;
  if (wow64) {
    ASSERT_TRUE(bindings::Wow64DisableWow64FsRedirection(&previous));
    EXPECT_TRUE(bindings::Wow64RevertWow64FsRedirection(previous));
  }
}

}  // namespace
}  // namespace dm::win
