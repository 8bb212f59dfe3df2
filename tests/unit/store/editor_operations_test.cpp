// The editor operations as the editor uses them: the folder browser's results, duplicates, a
// full list, and a delete that reaches the menu's captions only at the commit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/editor_operations.h"
#include "support/memory_path_list_box.h"

namespace dm {
namespace {

struct Session {
  FoldersMenu menu;
  std::uint8_t pathCount = 0;
  test::MemoryPathListBox list;

  explicit Session(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
      ++pathCount;
      menu.AddMenuItem(pathCount, path);
    }
    EditorFill(list, Edit());
    if (list.Count() > 0) list.Select(0);
  }
  PathListEdit Edit() { return {menu, pathCount}; }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (std::size_t i = 1; i <= menu.HighestIndex(); ++i) captions.push_back(menu.Caption(i));
    return captions;
  }
};

TEST(EditorAddInTheEditor, BrowserResultsGetOneTrailingBackslash) {
  struct Case {
    const char* chosen;
    const char* stored;
  };
  const Case cases[] = {
      {"C:\\WINDOWS", "C:\\WINDOWS\\"}, {"C:\\", "C:\\"}, {"\\\\server\\share", "\\\\server\\share\\"}};
  for (const Case& c : cases) {
    Session session({});
    EXPECT_EQ(EditorAdd(session.list, session.Edit(), c.chosen), AddOutcome::Added) << c.chosen;
    EXPECT_EQ(session.Captions(), std::vector<std::string>{c.stored}) << c.chosen;
    EXPECT_EQ(session.list.Text(session.list.Selected()), c.stored) << c.chosen;
  }
}

TEST(EditorAddInTheEditor, SameFolderRefusedAndEarlierSelectionRestored) {
  Session session({"C:\\A\\", "C:\\B\\", "C:\\WINDOWS\\"});
  session.list.Select(1);
  EXPECT_EQ(EditorAdd(session.list, session.Edit(), "C:\\WINDOWS"), AddOutcome::Duplicate);
  EXPECT_EQ(session.pathCount, 3);
  EXPECT_EQ(session.list.Count(), 3);
  EXPECT_EQ(session.Captions(), (std::vector<std::string>{"C:\\A\\", "C:\\B\\", "C:\\WINDOWS\\"}));
  EXPECT_EQ(session.list.Selected(), 1);
}

TEST(EditorAddInTheEditor, OtherLetterCaseIsANewPathAtItsSortedPlaceAndSelected) {
  Session session({"C:\\WINDOWS\\", "D:\\"});
  EXPECT_EQ(EditorAdd(session.list, session.Edit(), "c:\\windows"), AddOutcome::Added);
  EXPECT_EQ(session.pathCount, 3);
  // The menu gets the new path at its end; the list keeps it at its sorted place.
  EXPECT_EQ(session.Captions(), (std::vector<std::string>{"C:\\WINDOWS\\", "D:\\", "c:\\windows\\"}));
  EXPECT_EQ(session.list.Text(session.list.Selected()), "c:\\windows\\");
  EXPECT_LT(session.list.Selected(), 2);
}

TEST(EditorAddInTheEditor, FullListRefusesAndChangesNothing) {
  std::vector<std::string> paths;
  for (int i = 0; i < 255; ++i) paths.push_back("C:\\" + std::to_string(1000 + i) + "\\");
  Session session(paths);
  EXPECT_EQ(EditorAdd(session.list, session.Edit(), "D:\\New"), AddOutcome::ListFull);
  EXPECT_EQ(session.pathCount, 255);
  EXPECT_EQ(session.list.Count(), 255);
  EXPECT_EQ(session.menu.HighestIndex(), 255u);
}

TEST(EditorDeleteInTheEditor, SecondOfThreeKeepsOldCaptionsUntilTheCommit) {
  Session session({"C:\\A\\", "C:\\B\\", "C:\\C\\"});
  session.list.Select(1);
  ASSERT_TRUE(EditorDelete(session.list, session.Edit()));

  EXPECT_EQ(session.pathCount, 2);
  EXPECT_EQ(session.Captions(), (std::vector<std::string>{"C:\\A\\", "C:\\B\\"}));
  EXPECT_EQ(session.list.Selected(), 0);

  EditorCommit(session.list, session.Edit());
  EXPECT_EQ(session.Captions(), (std::vector<std::string>{"C:\\A\\", "C:\\C\\"}));
}

TEST(EditorCommitInTheEditor, MenuTakesTheListsSortedOrder) {
  Session session({"d:\\x\\", "C:\\Y\\", "c:\\b\\"});
  EditorCommit(session.list, session.Edit());
  EXPECT_EQ(session.Captions(), (std::vector<std::string>{"c:\\b\\", "C:\\Y\\", "d:\\x\\"}));
}

}  // namespace
}  // namespace dm
