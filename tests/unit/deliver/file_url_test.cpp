#include "deliver/file_url.h"

#include <gtest/gtest.h>

namespace dm {
namespace {

struct UrlCase {
  const char* url;
  const char* folder;
  bool names;
};

class FileUrlTest : public testing::TestWithParam<UrlCase> {};

TEST_P(FileUrlTest, TellsWhetherTheUrlNamesTheFolder) {
  EXPECT_EQ(FileUrlNamesFolder(GetParam().url, GetParam().folder), GetParam().names)
      << GetParam().url << " / " << GetParam().folder;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileUrlTest,
    testing::Values(UrlCase{"file:///C:/Users/me/My%20Folder", "C:\\Users\\me\\My Folder\\", true},
                    UrlCase{"file:///c:/users/ME/my%20folder/", "C:\\Users\\me\\My Folder", true},
                    UrlCase{"FILE:///C:/", "C:\\", true},
                    UrlCase{"file://server/share/x", "\\\\server\\share\\x\\", true},
                    UrlCase{"file:///C:/caf%C3%A9", "C:\\caf\xC3\xA9", true},
                    UrlCase{"file:///C:/a%25b%23c", "C:\\a%b#c", true},
                    UrlCase{"file:///C:/Users", "C:\\Users\\me", false},
                    UrlCase{"file:///C:/windows", "C:\\Users", false},
                    UrlCase{"file:///C:/bad%2", "C:\\bad%2", false},
                    UrlCase{"file:///C:/bad%zz", "C:\\bad%zz", false},
                    UrlCase{"http://example.invalid/C:/x", "C:\\x", false}, UrlCase{"", "C:\\", false},
                    UrlCase{"file:///C:/x", "", false}));

TEST(FileUrl, GivesTheFolderPathItNames) {
  EXPECT_EQ(FolderPathOfFileUrl("file:///C:/Users/me/My%20Folder"), "C:\\Users\\me\\My Folder");
  EXPECT_EQ(FolderPathOfFileUrl("file://server/share/x"), "\\\\server\\share\\x");
  EXPECT_EQ(FolderPathOfFileUrl("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"), std::nullopt);
  EXPECT_EQ(FolderPathOfFileUrl("file:///C:/bad%zz"), std::nullopt);
}

}  // namespace
}  // namespace dm
