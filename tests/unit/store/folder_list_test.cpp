// The folder list: its display order, adds and their refusals, removals and its size limit.

#include "store/folder_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dm {
namespace {

using Paths = std::vector<std::string>;

TEST(FolderListDisplayOrder, AlphabeticalWithoutRegardToLetterCase) {
  // The orders a sorted system list showed for these paths.
  struct Case {
    Paths stored;
    Paths shown;
  };
  const Case cases[] = {
      {{"C:\\windows\\", "d:\\zeta\\", "c:\\Beta\\", "C:\\alpha\\"},
       {"C:\\alpha\\", "c:\\Beta\\", "C:\\windows\\", "d:\\zeta\\"}},
      {{"C:\\users\\", "c:\\Alpha\\", "C:\\zz\\", "C:\\Program Files\\"},
       {"c:\\Alpha\\", "C:\\Program Files\\", "C:\\users\\", "C:\\zz\\"}},
      {{"D:\\Work\\", "c:\\apps\\", "C:\\Data\\"}, {"c:\\apps\\", "C:\\Data\\", "D:\\Work\\"}},
      {{"C:\\c\\", "C:\\a\\", "C:\\b\\"}, {"C:\\a\\", "C:\\b\\", "C:\\c\\"}},
      // A shorter path before the longer ones it begins.
      {{"C:\\ab\\x\\", "C:\\ab\\", "C:\\"}, {"C:\\", "C:\\ab\\", "C:\\ab\\x\\"}},
  };
  for (const Case& c : cases) {
    FolderList folders(c.stored);
    folders.SortForDisplay();
    EXPECT_EQ(folders.Folders(), c.shown);
  }
}

TEST(FolderListDisplayOrder, PathsDifferingOnlyInCaseHaveOneFixedOrder) {
  EXPECT_TRUE(DisplayOrderLess("C:\\WINDOWS\\", "C:\\windows\\"));
  EXPECT_FALSE(DisplayOrderLess("C:\\windows\\", "C:\\WINDOWS\\"));
  EXPECT_FALSE(DisplayOrderLess("C:\\A\\", "C:\\A\\"));
}

TEST(FolderList, KeepsTheStoredOrderUntilSorted) {
  const FolderList folders({"d:\\x\\", "", "C:\\A\\", "C:\\A\\"});
  EXPECT_EQ(folders.Folders(), (Paths{"d:\\x\\", "", "C:\\A\\", "C:\\A\\"}));
}

TEST(FolderList, HoldsAtMost255) {
  Paths stored;
  for (int i = 0; i < 300; ++i) stored.push_back("P" + std::to_string(i));
  FolderList folders(stored);
  EXPECT_EQ(folders.Count(), 255u);
  EXPECT_TRUE(folders.Full());
  EXPECT_EQ(folders.At(254), "P254");
  EXPECT_EQ(folders.Add("C:\\New").result, AddResult::Full);
  EXPECT_EQ(folders.Count(), 255u);
}

TEST(FolderList, AddTellsWhyItRefused) {
  FolderList folders({"C:\\A\\"});
  struct Case {
    const char* folder;
    AddResult result;
  };
  for (const Case c : {Case{"", AddResult::NoPath}, Case{"C:\\A", AddResult::Duplicate},
                       Case{"C:\\A\\", AddResult::Duplicate}, Case{"c:\\a", AddResult::Added}}) {
    EXPECT_EQ(folders.Add(c.folder).result, c.result) << c.folder;
  }
  EXPECT_EQ(folders.Folders(), (Paths{"C:\\A\\", "c:\\a\\"}));
}

TEST(FolderList, AddGoesToItsPlaceInDisplayOrder) {
  FolderList folders({"C:\\B\\", "C:\\D\\"});
  const AddOutcome first = folders.Add("c:\\c");
  EXPECT_EQ(first.result, AddResult::Added);
  EXPECT_EQ(first.index, 1u);
  EXPECT_EQ(folders.Add("A:").index, 0u);
  EXPECT_EQ(folders.Add("E:\\").index, 4u);
  EXPECT_EQ(folders.Folders(), (Paths{"A:\\", "C:\\B\\", "c:\\c\\", "C:\\D\\", "E:\\"}));
}

TEST(FolderList, RemoveTakesOneFolderOut) {
  FolderList folders({"A\\", "B\\", "C\\"});
  EXPECT_TRUE(folders.Remove(1));
  EXPECT_EQ(folders.Folders(), (Paths{"A\\", "C\\"}));
  EXPECT_FALSE(folders.Remove(2));
  EXPECT_TRUE(folders.Remove(0));
  EXPECT_TRUE(folders.Remove(0));
  EXPECT_TRUE(folders.Empty());
  EXPECT_FALSE(folders.Remove(0));
}

TEST(FolderList, SameFolderCountsLetterCaseAndNotATrailingBackslash) {
  const struct Case {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"C:\\A\\", "C:\\A\\", true},
      {"C:\\A", "C:\\A\\", true},
      {"C:\\A\\", "C:\\A", true},
      {"C:\\A\\", "c:\\a\\", false},
      {"C:\\A\\", "C:\\A\\\\", false},
      {"C:\\A\\", "C:\\AB\\", false},
      {"", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " | " + c.b);
    EXPECT_EQ(SameFolder(c.a, c.b), c.same);
    EXPECT_EQ(FolderList({c.a}).Holds(c.b), c.same);
  }
}

}  // namespace
}  // namespace dm
