#include "deliver/open_folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/fake_desktop.h"

namespace dm {
namespace {

using test::FakeDesktop;

std::vector<std::string> Paths(const std::vector<OpenFolder>& folders) {
  std::vector<std::string> paths;
  for (const OpenFolder& f : folders) paths.push_back(f.path);
  return paths;
}

class OpenFoldersTest : public testing::Test {
 protected:
  // A folder window whose tabs (in Z-order) show the given addresses, listed by the shell in
  // the order given by listOrder (indexes into the tabs).
  WindowHandle AddFolderWindow(const char* title, const std::vector<std::string>& urls,
                               const std::vector<std::size_t>& listOrder) {
    const WindowHandle frame = desktop.Add(0, "CabinetWClass", title);
    std::vector<WindowHandle> tabs;
    for (const std::string& url : urls) {
      tabs.push_back(desktop.Add(frame, "ShellTabWindowClass", ""));
      desktop.shellUrls[tabs.back()] = url;
    }
    for (const std::size_t i : listOrder) desktop.shellTabs[frame].push_back(tabs[i]);
    return frame;
  }

  FakeDesktop desktop;
};

TEST_F(OpenFoldersTest, TheFrontMostWindowsFoldersComeFirstAndWithinAWindowItsTabsInOrder) {
  // Added later lies further back.
  AddFolderWindow("Front", {"file:///C:/Front%20one", "file:///C:/Front/two"}, {1, 0});
  AddFolderWindow("Back",
                  {"file:///D:/Back", "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "file://server/share/x",
                   "file:///relative"},
                  {0, 1, 2, 3});
  EXPECT_EQ(
      Paths(FindOpenFolders(desktop, desktop, kOpenFoldersDeadlineMs)),
      (std::vector<std::string>{"C:\\Front one", "C:\\Front\\two", "D:\\Back", "\\\\server\\share\\x"}));
  EXPECT_EQ(desktop.log, (std::vector<std::string>{"shell folders within 250 ms"}));
}

TEST_F(OpenFoldersTest, ABrowserListedTwiceCountsOnceAndOneOfAWindowNoLongerThereNotAtAll) {
  const WindowHandle frame = AddFolderWindow("Front", {"file:///C:/A"}, {0, 0});
  desktop.shellTabs[0x7777] = {frame};  // a frame that has gone
  EXPECT_EQ(Paths(FindOpenFolders(desktop, desktop, kOpenFoldersDeadlineMs)),
            (std::vector<std::string>{"C:\\A"}));
}

TEST_F(OpenFoldersTest, AListThatDoesNotAnswerInTimeOrAtAllGivesNothing) {
  AddFolderWindow("Front", {"file:///C:/A"}, {0});
  desktop.shellHangs = true;
  EXPECT_TRUE(FindOpenFolders(desktop, desktop, kOpenFoldersDeadlineMs).empty());
  desktop.shellHangs = false;
  desktop.shellUnavailable = true;
  EXPECT_TRUE(FindOpenFolders(desktop, desktop, kOpenFoldersDeadlineMs).empty());
}

}  // namespace
}  // namespace dm
