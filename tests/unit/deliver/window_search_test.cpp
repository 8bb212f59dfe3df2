#include "deliver/window_search.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "deliver/target_choice.h"
#include "support/fake_desktop.h"

namespace dm {
namespace {

using test::FakeDesktop;

class WindowSearchTest : public testing::Test {
 protected:
  std::vector<WindowHandle> Search(std::string_view className, WindowHandle start = 0) {
    std::vector<WindowHandle> list{0xDEAD, 0xBEEF};  // leftovers of an earlier search
    const int n = search.CollectWindows(list, start, className);
    EXPECT_EQ(n + 1, static_cast<int>(list.size()));
    EXPECT_EQ(list.front(), 0u);
    EXPECT_EQ(search.WalkDepth(), 0);
    EXPECT_EQ(search.WalkCount(), n);
    return {list.begin() + 1, list.end()};
  }

  FakeDesktop desktop;
  WindowSearch search{desktop};
};

TEST_F(WindowSearchTest, NoWindowOfTheClassLeavesOnlySlotZero) {
  desktop.Add(desktop.Add(0, "Notepad", "Untitled"), "Edit", "text");
  EXPECT_TRUE(Search(kDialogClass).empty());
}

TEST_F(WindowSearchTest, TopLevelWindowsComeInZOrderEachAfterItsSubtree) {
  const WindowHandle upper = desktop.Add(0, "#32770", "Upper");
  const WindowHandle parent = desktop.Add(0, "#32770", "Parent");
  const WindowHandle child = desktop.Add(parent, "#32770", "Child");
  const WindowHandle grandchild = desktop.Add(child, "#32770", "Grandchild");
  const WindowHandle sibling = desktop.Add(parent, "#32770", "Sibling");
  const WindowHandle lower = desktop.Add(0, "#32770", "Lower");
  EXPECT_EQ(Search(kDialogClass),
            (std::vector<WindowHandle>{upper, grandchild, child, sibling, parent, lower}));
}

TEST_F(WindowSearchTest, OnlyTitledWindowsOfExactlyTheClassMatch) {
  const WindowHandle hidden = desktop.Add(0, "#32770", "Hidden");
  desktop.At(hidden).visible = false;
  const WindowHandle disabled = desktop.Add(0, "#32770", "Disabled");
  desktop.At(disabled).enabled = false;
  desktop.Add(0, "#32770", "");               // untitled
  desktop.Add(0, "#32770x", "Longer class");  // only begins with the class
  desktop.Add(0, "#3277", "Shorter class");
  desktop.Add(0, "x#32770", "Class with a prefix");
  desktop.Add(0, "[#]32770", "Bracketed class");
  desktop.Add(0, "ExploreWClass", "Explorer");  // another class
  EXPECT_EQ(Search(kDialogClass), (std::vector<WindowHandle>{hidden, disabled}));
}

TEST_F(WindowSearchTest, ClassesTakePartUpTo254CharactersAndAnyTitleIsTaken) {
  const WindowHandle longTitle = desktop.Add(0, "#32770", std::string(300, 'a'));
  const WindowHandle oddTitle = desktop.Add(0, "#32770", "*?[#]");
  EXPECT_EQ(Search(kDialogClass), (std::vector<WindowHandle>{longTitle, oddTitle}));

  const WindowHandle longClass = desktop.Add(0, std::string(254, 'c') + "D", "Long class");
  EXPECT_EQ(Search(std::string(254, 'c')), (std::vector<WindowHandle>{longClass}));
  EXPECT_TRUE(Search(std::string(254, 'c') + "D").empty());
}

TEST_F(WindowSearchTest, StartLimitsTheSearchToItsDescendants) {
  const WindowHandle parent = desktop.Add(0, "#32770", "Parent");
  const WindowHandle child = desktop.Add(parent, "#32770", "Child");
  desktop.Add(0, "#32770", "Other");
  EXPECT_EQ(Search(kDialogClass, parent), (std::vector<WindowHandle>{child}));
}

TEST_F(WindowSearchTest, TitlesAreReadOnlyForWindowsOfTheWantedClass) {
  const WindowHandle main = desktop.Add(0, "Main", "Main");
  for (int i = 0; i < 5; ++i) desktop.Add(main, "Button", "OK");
  desktop.Add(0, "#32770", "Open");
  Search(kDialogClass);
  EXPECT_EQ(desktop.titleReads, 1);
}

TEST_F(WindowSearchTest, HandlesWiderThan16BitsAreKept) {
  // The fake's handles start above 0x20000, outside any 16-bit slot.
  const WindowHandle dialog = desktop.Add(0, "#32770", "Open");
  ASSERT_GT(dialog, 0xFFFFu);
  EXPECT_EQ(Search(kDialogClass), (std::vector<WindowHandle>{dialog}));
}

}  // namespace
}  // namespace dm
