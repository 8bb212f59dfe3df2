// One clipboard format's data copied for a snapshot: what cannot be copied is skipped (not a
// reason to abandon the paste), what can is copied whole, and the budget is kept. Wine's clipboard
// takes neither blocks of no size nor GDI-object formats, so these meet the copy directly.

#include "win32/delivery/clipboard_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace dm::win {
namespace {

constexpr UINT kRegisteredFormat = 0xC123;
constexpr UINT kPrivateFormat = CF_PRIVATEFIRST + 1;
constexpr UINT kGdiFormat = CF_GDIOBJFIRST + 1;
constexpr std::size_t kAmple = std::size_t{1} << 20;

TEST(ClipboardFormatTest, ABlockOfNoSizeIsSkipped) {
  UniqueGlobal empty(GlobalAlloc(GMEM_MOVEABLE, 0));
  ASSERT_TRUE(empty);
  for (const UINT format : {kRegisteredFormat, kPrivateFormat}) {
    SavedFormat saved;
    std::size_t used = 0;
    EXPECT_EQ(CopyFormat(format, empty.Get(), kAmple, saved, used), CopyResult::Skipped) << format;
  }
}

TEST(ClipboardFormatTest, AHandleThatIsNoBlockIsSkippedInThePrivateRange) {
  SavedFormat saved;
  std::size_t used = 0;
  EXPECT_EQ(
      CopyFormat(kPrivateFormat, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x1234)), kAmple, saved, used),
      CopyResult::Skipped);
}

TEST(ClipboardFormatTest, GdiObjectsThatCanBeRebuiltAreCopied) {
  UniqueGdiObject brush(CreateSolidBrush(RGB(1, 2, 3)));
  UniqueGdiObject pen(CreatePen(PS_DASH, 1, RGB(4, 5, 6)));
  UniqueGdiObject region(CreateRectRgn(1, 2, 30, 40));
  LOGFONTW face{};
  face.lfHeight = -13;
  std::wcscpy(face.lfFaceName, L"Tahoma");
  UniqueGdiObject font(CreateFontIndirectW(&face));

  SavedFormat saved;
  std::size_t used = 0;
  ASSERT_EQ(CopyFormat(kGdiFormat, brush.Get(), kAmple, saved, used), CopyResult::Copied);
  LOGBRUSH brushCopy{};
  ASSERT_NE(GetObjectW(saved.object.Get(), sizeof(brushCopy), &brushCopy), 0);
  EXPECT_NE(saved.object.Get(), brush.Get());
  EXPECT_EQ(brushCopy.lbColor, RGB(1, 2, 3));

  ASSERT_EQ(CopyFormat(kGdiFormat, pen.Get(), kAmple, saved, used), CopyResult::Copied);
  LOGPEN penCopy{};
  ASSERT_NE(GetObjectW(saved.object.Get(), sizeof(penCopy), &penCopy), 0);
  EXPECT_EQ(penCopy.lopnColor, RGB(4, 5, 6));
  EXPECT_EQ(penCopy.lopnStyle, static_cast<UINT>(PS_DASH));

  ASSERT_EQ(CopyFormat(kGdiFormat, region.Get(), kAmple, saved, used), CopyResult::Copied);
  RECT box{};
  GetRgnBox(static_cast<HRGN>(saved.object.Get()), &box);
  EXPECT_EQ(box.left, 1);
  EXPECT_EQ(box.bottom, 40);

  ASSERT_EQ(CopyFormat(kGdiFormat, font.Get(), kAmple, saved, used), CopyResult::Copied);
  LOGFONTW fontCopy{};
  ASSERT_NE(GetObjectW(saved.object.Get(), sizeof(fontCopy), &fontCopy), 0);
  EXPECT_STREQ(fontCopy.lfFaceName, L"Tahoma");
  EXPECT_EQ(fontCopy.lfHeight, -13);
}

TEST(ClipboardFormatTest, GdiObjectsThatCannotBeRebuiltAreSkipped) {
  HDC screen = GetDC(nullptr);
  SavedFormat saved;
  std::size_t used = 0;
  EXPECT_EQ(CopyFormat(kGdiFormat, screen, kAmple, saved, used), CopyResult::Skipped);
  ReleaseDC(nullptr, screen);
}

TEST(ClipboardFormatTest, DataBeyondTheBudgetIsTooLarge) {
  const std::string bytes(4096, 'b');
  UniqueGlobal block = GlobalCopyOf(bytes.data(), bytes.size());
  HDC screen = GetDC(nullptr);
  UniqueGdiObject bitmap(CreateCompatibleBitmap(screen, 256, 256));
  ReleaseDC(nullptr, screen);
  SavedFormat saved;
  std::size_t used = 0;
  EXPECT_EQ(CopyFormat(kRegisteredFormat, block.Get(), 1024, saved, used), CopyResult::TooLarge);
  EXPECT_EQ(CopyFormat(CF_BITMAP, bitmap.Get(), 1024, saved, used), CopyResult::TooLarge);
  EXPECT_EQ(CopyFormat(kGdiFormat, bitmap.Get(), 1024, saved, used), CopyResult::TooLarge);
  EXPECT_EQ(CopyFormat(kRegisteredFormat, block.Get(), bytes.size(), saved, used), CopyResult::Copied);
  EXPECT_EQ(used, bytes.size());
}

}  // namespace
}  // namespace dm::win
