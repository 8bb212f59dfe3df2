// The owners of what a drawing borrows give it back on every way out, once, and a moved owner
// leaves nothing for its former self to give back.

#include "win32/base/device_context.h"

#include <gtest/gtest.h>

#include <utility>

#include "win32/base/unique_handle.h"

namespace dm::win {
namespace {

TEST(ScopedSelectObjectTest, TheObjectReplacedIsSelectedBackOnceWhereverTheOwnerEnds) {
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  UniqueGdiObject font(CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
  const HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_FONT);
  {
    ScopedSelectObject selected(dc.Get(), font.Get());
    EXPECT_TRUE(selected);
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), font.Get());
    ScopedSelectObject moved(std::move(selected));
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), font.Get());
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), original);
}

TEST(ScopedSelectObjectTest, NothingIsSelectedIntoANullContextOrForANullObject) {
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_FONT);
  {
    const ScopedSelectObject none(dc.Get(), nullptr);
    EXPECT_FALSE(none);
    const ScopedSelectObject noContext(nullptr, GetStockObject(SYSTEM_FONT));
    EXPECT_FALSE(noContext);
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), original);
}

TEST(ScopedGetDCTest, TheScreensContextIsLentAndAMovedOwnerKeepsIt) {
  ScopedGetDC screen(nullptr);
  ASSERT_TRUE(screen);
  const HDC dc = screen.Get();
  ScopedGetDC moved(std::move(screen));
  EXPECT_FALSE(screen);  // NOLINT(bugprone-use-after-move): the moved-from owner holds nothing
  EXPECT_EQ(moved.Get(), dc);
  EXPECT_GT(GetDeviceCaps(moved.Get(), LOGPIXELSY), 0);
}

}  // namespace
}  // namespace dm::win
