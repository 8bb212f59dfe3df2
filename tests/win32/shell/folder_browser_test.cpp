// The path of the folder chosen in the folder browser, read from its item-id list: exact for any
// name, and empty for an item that is not a file-system folder.

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "win32/base/text_conversion.h"
#include "win32/shell/folder_browser.h"

namespace dm::win {
namespace {

std::wstring TempFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + name;
  CreateDirectoryW(path.c_str(), nullptr);
  return path;
}

class PathOfItemIdListTest : public testing::TestWithParam<const wchar_t*> {};

TEST_P(PathOfItemIdListTest, IsTheFoldersPathAsItIs) {
  const std::wstring folder = TempFolder(GetParam());
  ASSERT_NE(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES);
  PIDLIST_ABSOLUTE items = ILCreateFromPathW(folder.c_str());
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(PathOfItemIdList(items), WideToUtf8(folder));
  ILFree(items);
  RemoveDirectoryW(folder.c_str());
}

INSTANTIATE_TEST_SUITE_P(Names, PathOfItemIdListTest,
                         testing::Values(L"Dashmarks plain",
                                         // Latin letters the ANSI code page holds.
                                         L"Dashmarks caf\u00e9",
                                         // Greek and Polish letters it does not hold: in
                                         // ANSI text they become "O\u00b5??a" and "l\u00f3dz".
                                         L"Dashmarks \u03a9\u03bc\u03ad\u03b3\u03b1",
                                         L"Dashmarks \u0142\u00f3d\u017a"));

TEST(PathOfItemIdList, IsEmptyForAnItemWithoutAFileSystemPath) {
  PIDLIST_ABSOLUTE computer = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
  EXPECT_EQ(PathOfItemIdList(computer), "");
  ILFree(computer);
}

}  // namespace
}  // namespace dm::win
