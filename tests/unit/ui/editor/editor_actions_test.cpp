// The editor's events over a folder list and a view of it: after each one the view shows exactly
// the list, in the list's order, and the buttons follow the list.

#include "ui/editor/editor_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dm {
namespace {

using Lines = std::vector<std::string>;

// The editor's window as far as its behaviour goes: lines, a selection and two buttons.
class MemoryView : public EditorView {
 public:
  void InsertLine(std::size_t index, const std::string& text) override {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), text);
  }
  void RemoveLine(std::size_t index) override {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    // A system list loses its selection when the selected line goes.
    if (selected == index) selected.reset();
  }
  std::optional<std::size_t> SelectedLine() const override { return selected; }
  void SelectLine(std::size_t index) override { selected = index; }
  void EnableAdd(bool enabled) override { addEnabled = enabled; }
  void EnableDelete(bool enabled) override { deleteEnabled = enabled; }

  Lines lines;
  std::optional<std::size_t> selected;
  bool addEnabled = false;
  bool deleteEnabled = false;
};

// An open editor over the given stored folders: in display order, shown, first line selected.
struct Editor {
  FolderList folders;
  MemoryView view;

  explicit Editor(Lines stored) : folders(std::move(stored)) {
    folders.SortForDisplay();
    for (std::size_t i = 0; i < folders.Count(); ++i) view.InsertLine(i, folders.At(i));
    FinishEditorOpening(folders, view);
  }
  std::string SelectedText() const { return view.selected ? view.lines.at(*view.selected) : "(none)"; }
};

Lines Numbered(int count) {
  Lines paths;
  for (int i = 0; i < count; ++i) paths.push_back("C:\\" + std::to_string(1000 + i) + "\\");
  return paths;
}

TEST(EditorOpening, FirstLineSelectedAndButtonsFollowTheCount) {
  struct Case {
    int count;
    bool addEnabled, deleteEnabled;
  };
  for (const Case c :
       {Case{0, true, false}, Case{1, true, true}, Case{254, true, true}, Case{255, false, true}}) {
    Editor editor(Numbered(c.count));
    EXPECT_EQ(editor.view.lines, editor.folders.Folders()) << c.count;
    EXPECT_EQ(editor.view.selected, c.count > 0 ? std::optional<std::size_t>(0) : std::nullopt) << c.count;
    EXPECT_EQ(editor.view.addEnabled, c.addEnabled) << c.count;
    EXPECT_EQ(editor.view.deleteEnabled, c.deleteEnabled) << c.count;
  }
}

TEST(EditorAdd, BrowserResultsGetOneTrailingBackslashAndAreSelected) {
  struct Case {
    const char* chosen;
    const char* stored;
  };
  for (const Case c : {Case{"C:\\WINDOWS", "C:\\WINDOWS\\"}, Case{"C:\\", "C:\\"},
                       Case{"\\\\server\\share", "\\\\server\\share\\"}}) {
    Editor editor({"D:\\Kept\\"});
    EXPECT_EQ(AddFolder(editor.folders, editor.view, c.chosen), AddResult::Added) << c.chosen;
    EXPECT_EQ(editor.view.lines, editor.folders.Folders()) << c.chosen;
    EXPECT_EQ(editor.SelectedText(), c.stored) << c.chosen;
    EXPECT_TRUE(editor.view.deleteEnabled);
  }
}

TEST(EditorAdd, SameFolderRefusedAndEarlierSelectionRestored) {
  Editor editor({"C:\\A\\", "C:\\B\\", "C:\\WINDOWS\\"});
  editor.view.SelectLine(1);
  EXPECT_EQ(AddFolder(editor.folders, editor.view, "C:\\WINDOWS"), AddResult::Duplicate);
  EXPECT_EQ(editor.view.lines, (Lines{"C:\\A\\", "C:\\B\\", "C:\\WINDOWS\\"}));
  EXPECT_EQ(editor.folders.Folders(), editor.view.lines);
  EXPECT_EQ(editor.view.selected, 1u);
}

TEST(EditorAdd, OtherLetterCaseIsANewPathAtItsSortedPlace) {
  Editor editor({"D:\\", "C:\\users\\", "C:\\WINDOWS\\"});
  EXPECT_EQ(AddFolder(editor.folders, editor.view, "C:\\windows"), AddResult::Added);
  EXPECT_EQ(editor.view.lines, (Lines{"C:\\users\\", "C:\\WINDOWS\\", "C:\\windows\\", "D:\\"}));
  EXPECT_EQ(editor.folders.Folders(), editor.view.lines);
  EXPECT_EQ(editor.SelectedText(), "C:\\windows\\");
}

TEST(EditorAdd, NothingChosenOrAFullListChangesNothing) {
  Editor empty({});
  EXPECT_EQ(AddFolder(empty.folders, empty.view, ""), AddResult::NoPath);
  EXPECT_TRUE(empty.view.lines.empty());
  EXPECT_FALSE(empty.view.deleteEnabled);

  Editor full(Numbered(255));
  EXPECT_EQ(AddFolder(full.folders, full.view, "D:\\New"), AddResult::Full);
  EXPECT_EQ(full.folders.Count(), 255u);
  EXPECT_EQ(full.view.lines, full.folders.Folders());
  EXPECT_FALSE(full.view.addEnabled);
}

TEST(EditorAdd, TheLastRoomDisablesAddAndADeleteEnablesItAgain) {
  Editor editor(Numbered(254));
  EXPECT_EQ(AddFolder(editor.folders, editor.view, "C:\\Last"), AddResult::Added);
  EXPECT_FALSE(editor.view.addEnabled);
  EXPECT_TRUE(DeleteSelectedFolder(editor.folders, editor.view));
  EXPECT_TRUE(editor.view.addEnabled);
  EXPECT_EQ(editor.view.lines, editor.folders.Folders());
}

TEST(EditorDelete, TheSelectedFolderGoesFromListAndViewAndTheFirstIsSelected) {
  Editor editor({"C:\\C\\", "C:\\A\\", "C:\\B\\"});
  editor.view.SelectLine(1);
  ASSERT_TRUE(DeleteSelectedFolder(editor.folders, editor.view));
  EXPECT_EQ(editor.folders.Folders(), (Lines{"C:\\A\\", "C:\\C\\"}));
  EXPECT_EQ(editor.view.lines, editor.folders.Folders());
  EXPECT_EQ(editor.view.selected, 0u);
}

TEST(EditorDelete, WithoutASelectionTheFirstGoes) {
  Editor editor({"C:\\A\\", "C:\\B\\"});
  editor.view.selected.reset();
  ASSERT_TRUE(DeleteSelectedFolder(editor.folders, editor.view));
  EXPECT_EQ(editor.folders.Folders(), (Lines{"C:\\B\\"}));
  EXPECT_EQ(editor.view.lines, editor.folders.Folders());
}

TEST(EditorDelete, TheOnlyFolderLeavesAnEmptyListAndDeleteDisabled) {
  Editor editor({"C:\\A\\"});
  ASSERT_TRUE(DeleteSelectedFolder(editor.folders, editor.view));
  EXPECT_TRUE(editor.folders.Empty());
  EXPECT_TRUE(editor.view.lines.empty());
  EXPECT_FALSE(editor.view.deleteEnabled);
  EXPECT_TRUE(editor.view.addEnabled);
  EXPECT_FALSE(DeleteSelectedFolder(editor.folders, editor.view));
}

}  // namespace
}  // namespace dm
