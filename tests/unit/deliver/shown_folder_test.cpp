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

}  // namespace
}  // namespace dm
