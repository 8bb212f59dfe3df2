#include "ui/list/editor_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_path_list_box.h"

namespace dm {
namespace {

using Log = std::vector<std::string>;

// The list and the view write into one log, so the order of appends and repaint steps shows.
class LoggingList : public test::MemoryPathListBox {
 public:
  explicit LoggingList(Log& log) : log_(log) {}
  int Add(const std::string& text) override {
    log_.push_back("append " + text);
    return MemoryPathListBox::Add(text);
  }

 private:
  Log& log_;
};

class LoggingView : public EditorView {
 public:
  explicit LoggingView(Log& log) : log_(log) {}
  void ValidateList() override { log_.push_back("validate"); }
  void InvalidateList() override { log_.push_back("invalidate"); }
  void ProcessPendingMessages() override { log_.push_back("pump"); }
  void EnableAdd(bool enabled) override { addEnabled = enabled; }
  void EnableDelete(bool enabled) override { deleteEnabled = enabled; }

  bool addEnabled = false;
  bool deleteEnabled = false;  // cmdDelete is created disabled

 private:
  Log& log_;
};

struct Editor {
  Log log;
  FoldersMenu menu;
  std::uint8_t pathCount = 0;
  LoggingList list{log};
  LoggingView view{log};

  explicit Editor(unsigned paths) {
    for (unsigned i = 1; i <= paths; ++i) {
      ++pathCount;
      menu.AddMenuItem(pathCount, "C:\\P" + std::to_string(100 + i) + "\\");
    }
  }
  PathListEdit Edit() { return {menu, pathCount}; }
};

TEST(OpenEditor, TwentyFivePathsRepaintAfterTenthTwentiethAndAtTheEnd) {
  Editor editor(25);
  OpenEditor(editor.list, editor.view, editor.Edit());

  Log expected;
  for (unsigned i = 1; i <= 25; ++i) {
    expected.push_back("append C:\\P" + std::to_string(100 + i) + "\\");
    expected.push_back("validate");
    if (i == 10 || i == 20) expected.push_back("invalidate");
    expected.push_back("pump");
  }
  expected.push_back("invalidate");
  EXPECT_EQ(editor.log, expected);

  EXPECT_EQ(editor.list.Count(), 25);
  EXPECT_EQ(editor.list.Selected(), 0);
  EXPECT_TRUE(editor.view.deleteEnabled);
  EXPECT_TRUE(editor.view.addEnabled);
}

TEST(OpenEditor, EmptyListSelectsNothingAndOnlyAddIsEnabled) {
  Editor editor(0);
  OpenEditor(editor.list, editor.view, editor.Edit());

  EXPECT_EQ(editor.log, Log{"invalidate"});
  EXPECT_EQ(editor.list.Count(), 0);
  EXPECT_EQ(editor.list.Selected(), -1);
  EXPECT_FALSE(editor.view.deleteEnabled);
  EXPECT_TRUE(editor.view.addEnabled);
}

TEST(OpenEditor, ListIsSortedWithoutRegardToCaseAndFirstLineSelected) {
  Editor editor(0);
  for (const char* path : {"d:\\b\\", "C:\\Z\\", "c:\\a\\"}) {
    ++editor.pathCount;
    editor.menu.AddMenuItem(editor.pathCount, path);
  }
  OpenEditor(editor.list, editor.view, editor.Edit());
  EXPECT_EQ(editor.list.Lines(), (std::vector<std::string>{"c:\\a\\", "C:\\Z\\", "d:\\b\\"}));
  EXPECT_EQ(editor.list.Text(editor.list.Selected()), "c:\\a\\");
}

TEST(EditorButtons, AddOnlyWithRoomDeleteOnlyWithPaths) {
  struct Case {
    unsigned count;
    EditorButtonStates expected;
  };
  const Case cases[] = {{0, {true, false}}, {1, {true, true}}, {254, {true, true}}, {255, {false, true}}};
  for (const Case& c : cases) {
    EXPECT_EQ(EditorButtonsFor(static_cast<std::uint8_t>(c.count)), c.expected) << c.count;
  }
}

TEST(EditorButtons, FullListDisablesAddAndADeleteEnablesItAgain) {
  Editor editor(254);
  OpenEditor(editor.list, editor.view, editor.Edit());
  ASSERT_TRUE(editor.view.addEnabled);

  EXPECT_EQ(AddToEditor(editor.list, editor.view, editor.Edit(), "C:\\Last"), AddOutcome::Added);
  EXPECT_EQ(editor.pathCount, 255);
  EXPECT_FALSE(editor.view.addEnabled);
  EXPECT_TRUE(editor.view.deleteEnabled);

  DeleteFromEditor(editor.list, editor.view, editor.Edit());
  EXPECT_EQ(editor.pathCount, 254);
  EXPECT_TRUE(editor.view.addEnabled);
}

TEST(EditorButtons, FirstAddEnablesDeleteAndDeletingTheOnlyPathDisablesIt) {
  Editor editor(0);
  OpenEditor(editor.list, editor.view, editor.Edit());

  EXPECT_EQ(AddToEditor(editor.list, editor.view, editor.Edit(), ""), AddOutcome::NoPath);
  EXPECT_FALSE(editor.view.deleteEnabled);

  EXPECT_EQ(AddToEditor(editor.list, editor.view, editor.Edit(), "C:\\WINDOWS"), AddOutcome::Added);
  EXPECT_TRUE(editor.view.deleteEnabled);

  DeleteFromEditor(editor.list, editor.view, editor.Edit());
  EXPECT_EQ(editor.pathCount, 0);
  EXPECT_FALSE(editor.view.deleteEnabled);
  EXPECT_EQ(editor.menu.HighestIndex(), 0u);
  EXPECT_EQ(editor.list.Count(), 0);
}

}  // namespace
}  // namespace dm
