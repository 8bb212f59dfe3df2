#include "deliver/folder_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace dm {
namespace {

struct PathCase {
  const char* name;
  std::string path;
  bool folderPath;
};

class FolderPathTextTest : public testing::TestWithParam<PathCase> {};

TEST_P(FolderPathTextTest, OnlyAFullyQualifiedFolderPathADialogCanShowPasses) {
  EXPECT_EQ(IsFolderPathText(GetParam().path), GetParam().folderPath);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderPathTextTest,
    testing::Values(PathCase{"Drive", "C:\\", true}, PathCase{"Folder", "d:\\Data\\Reports", true},
                    PathCase{"Server", "\\\\server\\share\\", true},
                    PathCase{"BlanksInside", "C:\\Program Files\\", true},
                    PathCase{"NonAscii", "C:\\caf\xc3\xa9\\", true},
                    PathCase{"Longest", "C:\\" + std::string(256, 'a'), true},
                    PathCase{"OneTooLong", "C:\\" + std::string(257, 'a'), false},
                    // Four bytes, one character, but two UTF-16 units: 258 units in all.
                    PathCase{"LongestWithASupplementaryCharacter",
                             "C:\\" + std::string(253, 'a') + "\xf0\x9f\x93\x81", true},
                    PathCase{"SupplementaryCharacterOverTheEdge",
                             "C:\\" + std::string(255, 'a') + "\xf0\x9f\x93\x81", false},
                    PathCase{"Empty", "", false}, PathCase{"Blanks", "    ", false},
                    PathCase{"IdeographicBlanks", "\xe3\x80\x80\xe3\x80\x80", false},
                    PathCase{"LineBreak", "C:\\a\nb\\", false}, PathCase{"CarriageReturn", "C:\\a\r", false},
                    PathCase{"Tab", "C:\\a\tb", false}, PathCase{"Delete", "C:\\a\x7f", false},
                    PathCase{"LineSeparator", "C:\\a\xe2\x80\xa8", false},
                    PathCase{"Relative", "Data\\", false}, PathCase{"DriveRelative", "C:Data", false},
                    PathCase{"RootOfTheCurrentDrive", "\\Data", false},
                    PathCase{"DevicePath", "\\\\.\\C:\\", false}, PathCase{"BrokenUtf8", "C:\\\xc3", false}),
    [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

class ScriptedFolders : public FolderCheck {
 public:
  explicit ScriptedFolders(FolderState state) : state_(state) {}
  FolderState Check(const std::string&) override {
    ++checks;
    return state_;
  }
  int checks = 0;

 private:
  FolderState state_;
};

TEST(DeliverableFolderTest, OnlyAFolderTheFileSystemDoesNotDenyIsDelivered) {
  ScriptedFolders folder(FolderState::Folder), missing(FolderState::NotFolder), slow(FolderState::Unknown);
  EXPECT_TRUE(IsDeliverableFolder("C:\\Data\\", folder));
  EXPECT_FALSE(IsDeliverableFolder("C:\\Data\\", missing));
  EXPECT_TRUE(IsDeliverableFolder("\\\\server\\share\\", slow));
  // Text that cannot be a folder is not even looked up.
  EXPECT_FALSE(IsDeliverableFolder("C:\\a\nb", folder));
  EXPECT_EQ(folder.checks, 1);
}

}  // namespace
}  // namespace dm
