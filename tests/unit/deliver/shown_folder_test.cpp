#include "deliver/shown_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/fake_desktop.h"

namespace dm {
namespace {

using Form = FolderDisplay::Form;

TEST(ShownFolder, TheBreadcrumbsFullPathIsFoundWhateverTheirLanguage) {
  const struct {
    const char* text;
    std::optional<std::string> path;
  } cases[] = {
      {"Address: C:\\Users\\ann\\Reports", "C:\\Users\\ann\\Reports"},
      {"Adresse : D:\\", "D:\\"},
      {"\xE3\x82\xA2\xE3\x83\x89\xE3\x83\xAC\xE3\x82\xB9: E:\\\xE5\x86\x99\xE7\x9C\x9F",
       "E:\\\xE5\x86\x99\xE7\x9C\x9F"},
      {"Address: \\\\server\\share\\x", "\\\\server\\share\\x"},
      {"C:\\Data", "C:\\Data"},
      // A display name, a path cut short, a drive letter inside a name: no path.
      {"Address: This PC", std::nullopt},
      {"Address: Libraries > Documents", std::nullopt},
      {"Address: C:\\Users\\...\\Reports", std::nullopt},
      {"Address: C:\\Users\\\xE2\x80\xA6\\Reports", std::nullopt},
      {"Address:C:\\x", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(PathInAddressText(c.text), c.path) << c.text;
}

TEST(ShownFolder, ADisplayNamesTheFolderAsTheFileSystemComparesNames) {
  const struct {
    Form form;
    const char* text;
    const char* folder;
    bool names;
  } cases[] = {
      {Form::Address, "Address: C:\\Data", "c:\\data\\", true},
      {Form::Address, "Address: C:\\Data2019", "C:\\Data\\", false},
      {Form::Address, "Address: Documents", "C:\\Users\\ann\\Documents\\", false},
      {Form::Name, "Data", "C:\\Projects\\data\\", true},
      {Form::Name, "Projects", "C:\\Projects\\data\\", false},
      {Form::Name, "share", "\\\\server\\share\\", false},  // a share's root has a name of its own
      {Form::Name, "C:", "C:\\", false},
  };
  for (const auto& c : cases) EXPECT_EQ(DisplayNamesFolder(c.form, c.text, c.folder), c.names) << c.text;
}

TEST(ShownFolder, OnlyAVisibleBreadcrumbBarIsADisplay) {
  test::FakeDesktop desktop;
  const WindowHandle dialog = desktop.AddFileDialog("Open");
  EXPECT_FALSE(FindFolderDisplay(desktop, dialog, false));
  const WindowHandle crumbs = desktop.AddBreadcrumbs(dialog, "C:\\Start");
  const std::optional<FolderDisplay> display = FindFolderDisplay(desktop, dialog, false);
  ASSERT_TRUE(display);
  EXPECT_EQ(display->window, crumbs);
  EXPECT_EQ(display->form, Form::Address);
  desktop.At(crumbs).visible = false;
  EXPECT_FALSE(FindFolderDisplay(desktop, dialog, false));
}

TEST(ShownFolder, ADisplayThatChangedToANameOfItsOwnFollowedAndOneThatStayedDidNot) {
  test::FakeDesktop desktop;
  const WindowHandle dialog = desktop.AddFileDialog("Open");
  const WindowHandle crumbs = desktop.AddBreadcrumbs(dialog, "C:\\Start");
  const FolderDisplay display{crumbs, Form::Address};
  desktop.At(crumbs).title = "Address: Documents";
  EXPECT_TRUE(DisplayFollowed(desktop, display, "Address: C:\\Start", "C:\\Users\\ann\\Documents\\"));
  desktop.At(crumbs).title = "Address: C:\\Start";
  EXPECT_FALSE(DisplayFollowed(desktop, display, "Address: C:\\Start", "C:\\Users\\ann\\Documents\\"));
  EXPECT_TRUE(DisplayFollowed(desktop, display, "Address: C:\\Start", "C:\\start\\"));
}

TEST(ShownFolder, TheFolderATargetShowsIsReadWhereItIsAFullPath) {
  test::FakeDesktop desktop;
  const auto shownBy = [&desktop](WindowHandle window, const std::vector<OpenFolder>& open = {}) {
    return FolderShownBy(desktop, open, TargetOfWindow(desktop, window));
  };
  // An item dialog: its breadcrumbs, where they hold a path.
  const WindowHandle dialog = desktop.AddFileDialog("Save As");
  EXPECT_EQ(shownBy(dialog), std::nullopt);
  const WindowHandle crumbs = desktop.AddBreadcrumbs(dialog, "C:\\Reports");
  EXPECT_EQ(shownBy(dialog), "C:\\Reports");
  desktop.At(crumbs).title = "Address: This PC";
  EXPECT_EQ(shownBy(dialog), std::nullopt);

  // A dialog before the explorer style: its current-folder text, unless cut short.
  const WindowHandle old = desktop.Add(0, "#32770", "Open");
  const WindowHandle current = desktop.AddControl(old, kCurrentFolderTextId, "Static");
  desktop.AddControl(old, 0x480, "Edit");
  desktop.AddControl(old, 0x460, "ListBox");
  desktop.AddControl(old, 0x461, "ListBox");
  desktop.At(current).title = "c:\\windows\\system";
  EXPECT_EQ(shownBy(old), "c:\\windows\\system");
  desktop.At(current).title = "c:\\...\\system";
  EXPECT_EQ(shownBy(old), std::nullopt);

  // A folder window: the tab the user sees, as the shell lists it, before its breadcrumbs.
  const WindowHandle frame = desktop.AddFolderWindow("Documents");
  const std::vector<WindowHandle> tabs = desktop.TabsIn(frame);
  EXPECT_EQ(shownBy(frame), "C:\\Start");
  EXPECT_EQ(shownBy(frame, {{"D:\\Hidden", frame, tabs[1]}, {"D:\\Shown", frame, tabs[0]}}), "D:\\Shown");
  EXPECT_EQ(shownBy(frame, {{"D:\\Hidden", frame, tabs[1]}}), "C:\\Start");

  // Wine's Explorer window shows only the folder's name.
  EXPECT_EQ(shownBy(desktop.AddWineExplorer("Wine Explorer")), std::nullopt);
}

}  // namespace
}  // namespace dm
