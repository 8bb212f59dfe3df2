// The folder check against the real file system.

#include "platform/win32/delivery/folder_check.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/base/text_conversion.h"

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

}  // namespace
}  // namespace dm::win
