// The Folders menu model: the heading is permanent and the path entries have no gaps.

#include "ui/main/folders_menu.h"

#include <gtest/gtest.h>

namespace dm {
namespace {

TEST(FoldersMenu, StartsWithOnlyTheDisabledHeading) {
  FoldersMenu menu;
  EXPECT_EQ(menu.HighestIndex(), 0u);
  EXPECT_EQ(menu.Caption(0), "Available Dashmarks...");
  EXPECT_FALSE(menu.mnuPath(0).enabled);
}

TEST(FoldersMenu, AddsOnlyAtTheEndAndEnablesTheEntry) {
  FoldersMenu menu;
  EXPECT_FALSE(menu.AddMenuItem(2, "gap"));
  EXPECT_FALSE(menu.AddMenuItem(0, "heading again"));
  EXPECT_TRUE(menu.AddMenuItem(1, "A & B"));
  EXPECT_EQ(menu.Caption(1), "A & B");
  EXPECT_TRUE(menu.mnuPath(1).enabled);
  EXPECT_EQ(menu.HighestIndex(), 1u);
}

TEST(FoldersMenu, DeletesOnlyTheLastPathAndNeverTheHeading) {
  FoldersMenu menu;
  menu.AddMenuItem(1, "A");
  menu.AddMenuItem(2, "B");
  EXPECT_FALSE(menu.DeleteMenuItem(1));
  EXPECT_TRUE(menu.DeleteMenuItem(2));
  EXPECT_TRUE(menu.DeleteMenuItem(1));
  EXPECT_FALSE(menu.DeleteMenuItem(0));
  EXPECT_EQ(menu.HighestIndex(), 0u);
  EXPECT_EQ(menu.Caption(0), "Available Dashmarks...");
}

TEST(FoldersMenu, HeadingIsNeverRecaptioned) {
  FoldersMenu menu;
  menu.AddMenuItem(1, "A");
  menu.SetCaption(0, "changed");
  menu.SetCaption(1, "B");
  menu.SetCaption(7, "out of range");
  EXPECT_EQ(menu.Caption(0), "Available Dashmarks...");
  EXPECT_EQ(menu.Caption(1), "B");
}

}  // namespace
}  // namespace dm
