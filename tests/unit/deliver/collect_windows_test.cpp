#include "deliver/collect_windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_desktop.h"

namespace dm {
namespace {

using test::FakeDesktop;

constexpr const char* kDialogClass = "[#]32770";

class CollectWindowsTest : public testing::Test {
 protected:
  std::vector<WindowHandle> Search(const char* titlePattern, const char* classPattern,
                                   WindowHandle start = 0) {
    std::vector<WindowHandle> list{0xDEAD, 0xBEEF};  // leftovers of an earlier search
    const int n = search.CollectWindows(list, start, titlePattern, classPattern);
    EXPECT_EQ(n + 1, static_cast<int>(list.size()));
    EXPECT_EQ(list.front(), 0u);
    EXPECT_EQ(search.WalkDepth(), 0);
    EXPECT_EQ(search.WalkCount(), n);
    return {list.begin() + 1, list.end()};
  }

  FakeDesktop desktop;
  WindowSearch search{desktop};
};

TEST_F(CollectWindowsTest, NoWindowOfTheClassLeavesOnlySlotZero) {
  desktop.Add(desktop.Add(0, "Notepad", "Untitled"), "Edit", "text");
  EXPECT_TRUE(Search("*", kDialogClass).empty());
}

TEST_F(CollectWindowsTest, TopLevelWindowsComeInZOrderEachAfterItsSubtree) {
  const WindowHandle upper = desktop.Add(0, "#32770", "Upper");
  const WindowHandle parent = desktop.Add(0, "#32770", "Parent");
  const WindowHandle child = desktop.Add(parent, "#32770", "Child");
  const WindowHandle grandchild = desktop.Add(child, "#32770", "Grandchild");
  const WindowHandle sibling = desktop.Add(parent, "#32770", "Sibling");
  const WindowHandle lower = desktop.Add(0, "#32770", "Lower");
  EXPECT_EQ(Search("*", kDialogClass),
            (std::vector<WindowHandle>{upper, grandchild, child, sibling, parent, lower}));
}

TEST_F(CollectWindowsTest, OnlyTitledWindowsOfExactlyTheClassMatch) {
  const WindowHandle hidden = desktop.Add(0, "#32770", "Hidden");
  desktop.At(hidden).visible = false;
  const WindowHandle disabled = desktop.Add(0, "#32770", "Disabled");
  desktop.At(disabled).enabled = false;
  desktop.Add(0, "#32770", "");               // untitled
  desktop.Add(0, "#32770x", "Longer class");  // only begins with the class
  desktop.Add(0, "#3277", "Shorter class");
  desktop.Add(0, "ExploreWClass", "Explorer");  // another class
  EXPECT_EQ(Search("*", kDialogClass), (std::vector<WindowHandle>{hidden, disabled}));
}

TEST_F(CollectWindowsTest, TitlesAndClassesTakePartUpTo254Characters) {
  const std::string longTitle = std::string(254, 'a') + "XYZ";
  const WindowHandle found = desktop.Add(0, "#32770", longTitle);
  EXPECT_EQ(Search((std::string(254, 'a')).c_str(), kDialogClass), (std::vector<WindowHandle>{found}));
  EXPECT_TRUE(Search("*XYZ", kDialogClass).empty());
  EXPECT_TRUE(Search("*Z", kDialogClass).empty());

  desktop.Add(0, std::string(254, 'c') + "D", "Long class");
  EXPECT_EQ(Search("Long class", std::string(254, 'c').c_str()).size(), 1u);
}

TEST_F(CollectWindowsTest, StartLimitsTheSearchToItsDescendants) {
  const WindowHandle parent = desktop.Add(0, "#32770", "Parent");
  const WindowHandle child = desktop.Add(parent, "#32770", "Child");
  desktop.Add(0, "#32770", "Other");
  EXPECT_EQ(Search("*", kDialogClass, parent), (std::vector<WindowHandle>{child}));
}

TEST_F(CollectWindowsTest, TitlePatternFiltersTheMatches) {
  desktop.Add(0, "#32770", "Open");
  const WindowHandle save = desktop.Add(0, "#32770", "Save As");
  EXPECT_EQ(Search("Save*", kDialogClass), (std::vector<WindowHandle>{save}));
}

TEST_F(CollectWindowsTest, TitlesAreReadOnlyForWindowsOfTheWantedClass) {
  const WindowHandle main = desktop.Add(0, "Main", "Main");
  for (int i = 0; i < 5; ++i) desktop.Add(main, "Button", "OK");
  desktop.Add(0, "#32770", "Open");
  Search("*", kDialogClass);
  EXPECT_EQ(desktop.titleReads, 1);
}

TEST_F(CollectWindowsTest, HandlesWiderThan16BitsAreKept) {
  // The fake's handles start above 0x20000, outside any 16-bit slot.
  const WindowHandle dialog = desktop.Add(0, "#32770", "Open");
  ASSERT_GT(dialog, 0xFFFFu);
  EXPECT_EQ(Search("*", kDialogClass), (std::vector<WindowHandle>{dialog}));
}

}  // namespace
}  // namespace dm
