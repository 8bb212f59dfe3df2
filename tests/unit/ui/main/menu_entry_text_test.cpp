#include "ui/main/menu_entry_text.h"

#include <gtest/gtest.h>

#include <string>

#include "text/utf8.h"

namespace dm {
namespace {

// Every character one unit wide, but "W" and "M" three and "i" none, as a proportional font has
// characters of different widths. The ellipsis is one unit. Counts the measurements asked for.
class FakeMeasure final : public TextMeasure {
 public:
  int Width(std::string_view text) const override {
    ++calls;
    int width = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
      const std::size_t start = pos;
      const auto cp = NextCodePoint(text, pos);
      if (!cp) {
        pos = start + 1;
        width += 1;
        continue;
      }
      width += *cp == U'W' || *cp == U'M' ? 3 : *cp == U'i' ? 0 : 1;
    }
    return width;
  }
  mutable int calls = 0;
};

TEST(FitMenuEntryText, ShortensInTheMiddleKeepingTheRootAndTheLastFolders) {
  struct Case {
    const char* caption;
    int maxWidth;
    const char* expected;
  };
  const Case cases[] = {
      // Fits as it is, up to the last unit.
      {R"(C:\Users\)", 9, R"(C:\Users\)"},
      {R"(C:\Users\me\Documents\)", 40, R"(C:\Users\me\Documents\)"},
      // The drive, the ellipsis, whole last folders; the room left goes to whole first folders.
      {R"(C:\Users\me\Documents\Projects\Dashmarks\)", 16, R"(C:\…\Dashmarks\)"},
      {R"(C:\Users\me\Documents\Projects\Dashmarks\)", 22, R"(C:\Users\…\Dashmarks\)"},
      {R"(C:\Users\me\Documents\Projects\Dashmarks\)", 24, R"(C:\…\Projects\Dashmarks\)"},
      {R"(C:\Users\me\Documents\Projects\Dashmarks\)", 33, R"(C:\Users\me\…\Projects\Dashmarks\)"},
      {R"(C:\Users\me\Documents\report.txt)", 18, R"(C:\…\report.txt)"},
      // The last folder alone is too wide: as much of its end as fits.
      {R"(C:\a\VeryLongFolderName\)", 12, R"(C:\…derName\)"},
      {R"(C:\a\b\)", 5, R"(C:\…\)"},
      // A drive without a separator, a server and share, text without a root.
      {R"(C:folder\deeper\last\)", 10, R"(C:…\last\)"},
      {R"(\\server\share\one\two\three\)", 23, R"(\\server\share\…\three\)"},
      {R"(\\server\share\one\two\three\)", 22, R"(\\server\share\…three\)"},
      {R"(folder\deeper\deepest\last\)", 8, R"(…\last\)"},
      {"//server/share/one/two/three/", 23, "//server/share/…/three/"},
      // The root does not fit beside the ellipsis: beginning and end, half each.
      {R"(\\averyveryverylongservername\share\x\)", 11, R"(\\ave…re\x\)"},
      // Too narrow for anything but the ellipsis.
      {R"(C:\Users\me\)", 1, "…"},
      {R"(C:\Users\me\)", 0, "…"},
      // Wide and narrow characters are measured as drawn.
      {R"(C:\WWWW\MMMM\WinWin\)", 14, R"(C:\…\WinWin\)"},
  };
  for (const Case& c : cases) {
    const FakeMeasure measure;
    const std::string fitted = FitMenuEntryText(c.caption, c.maxWidth, measure);
    EXPECT_EQ(fitted, c.expected) << c.caption << " in " << c.maxWidth;
    if (c.maxWidth > 0) {
      EXPECT_LE(measure.Width(ShownMenuText(fitted)), c.maxWidth) << c.caption;
    }
  }
}

// The same font at a display scale: each character's width at 96 dpi (6 pixels, 14 for "W" and "M",
// 2 for "i", 8 for the ellipsis) grown with the scale, as the system's menu font grows with it.
class ScaledMeasure final : public TextMeasure {
 public:
  explicit ScaledMeasure(int dpi) : dpi_(dpi) {}
  int Width(std::string_view text) const override {
    int width = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
      const std::size_t start = pos;
      const auto cp = NextCodePoint(text, pos);
      if (!cp) pos = start + 1;
      int at96 = 6;
      if (cp && (*cp == U'W' || *cp == U'M')) at96 = 14;
      if (cp && *cp == U'i') at96 = 2;
      if (cp && *cp == U'\u2026') at96 = 8;
      width += at96 * dpi_ / 96;
    }
    return width;
  }

 private:
  int dpi_;
};

TEST(FitMenuEntryText, ShowsTheSameTextAtEveryScaleWhereFontAndRoomGrowTogether) {
  // A menu on a monitor at 150 % or 200 % is drawn in a font as much larger, on a monitor with as
  // many more pixels: an entry keeps the text it has at 100 %.
  struct Case {
    const char* caption;
    int maxWidthAt96;
    const char* expected;
  };
  const Case cases[] = {
      {R"(C:\Users\me\Documents\)", 132, R"(C:\Users\me\Documents\)"},
      {R"(C:\Users\me\Documents\Projects\Dashmarks\)", 96, R"(C:\…\Dashmarks\)"},
      {R"(C:\Users\me\Documents\Projects\Dashmarks\)", 146, R"(C:\…\Projects\Dashmarks\)"},
      {R"(C:\Users\me\Documents\Projects\Dashmarks\)", 200, R"(C:\Users\me\…\Projects\Dashmarks\)"},
      {R"(\\server\share\one\two\three\)", 140, R"(\\server\share\…\three\)"},
      {R"(C:\WWWW\MMMM\WinWin\)", 144, R"(C:\…\MMMM\WinWin\)"},
      {R"(C:\WWWW\MMMM\WinWin\)", 100, R"(C:\…\WinWin\)"},
  };
  for (const Case& c : cases) {
    for (const int dpi : {96, 144, 192}) {
      const ScaledMeasure measure(dpi);
      const int maxWidth = c.maxWidthAt96 * dpi / 96;
      const std::string fitted = FitMenuEntryText(c.caption, maxWidth, measure);
      EXPECT_EQ(fitted, c.expected) << c.caption << " at " << dpi << " dpi in " << maxWidth;
      EXPECT_LE(measure.Width(ShownMenuText(fitted)), maxWidth) << c.caption << " at " << dpi << " dpi";
    }
  }
}

TEST(FitMenuEntryText, KeepsEachAccessKeyMarkerWithWhatItMarks) {
  struct Case {
    const char* caption;
    int maxWidth;
    const char* expected;
  };
  const Case cases[] = {
      // "&&" shows one ampersand and is one unit wide: the caption fits as it is.
      {R"(C:\R&&D\)", 7, R"(C:\R&&D\)"},
      {R"(C:\&Docs\)", 8, R"(C:\&Docs\)"},
      // A cut never splits "&&" nor parts "&" from the character it marks.
      {R"(C:\R&&D\Specs\&Docs\)", 11, R"(C:\…\&Docs\)"},
      {R"(C:\R&&D\Specs\Docs\)", 14, R"(C:\R&&D\…\Docs\)"},
      {R"(C:\a\b&&&&c\)", 7, R"(C:\…&&c\)"},
      {R"(C:\a\b&xyz\)", 8, R"(C:\…&xyz\)"},
      {R"(C:\a\b&xyz\)", 7, R"(C:\…yz\)"},
      // A marker at the very end shows nothing.
      {R"(C:\abcdef\&)", 7, R"(C:\…ef\&)"},
  };
  for (const Case& c : cases) {
    const FakeMeasure measure;
    EXPECT_EQ(FitMenuEntryText(c.caption, c.maxWidth, measure), c.expected)
        << c.caption << " in " << c.maxWidth;
  }
}

TEST(FitMenuEntryText, NeverSplitsACharacter) {
  const std::string caption =
      "C:\\\xC3\x9C"
      "bersicht\\\xE6\x96\x87\xE6\x9B\xB8\xE5\xA4\xB9\\\xF0\x9F\x93\x81\\";
  for (int width = 0; width < 20; ++width) {
    const FakeMeasure measure;
    const std::string fitted = FitMenuEntryText(caption, width, measure);
    EXPECT_TRUE(DecodeUtf8(fitted).has_value()) << width << ": " << fitted;
  }
}

TEST(ShownMenuText, LeavesOutTheMarkers) {
  EXPECT_EQ(ShownMenuText(R"(C:\R&&D\&Work\x&)"), R"(C:\R&D\Work\x)");
  EXPECT_EQ(ShownMenuText(""), "");
}

TEST(FitMenuEntryText, ShowsEachControlCharacterAsASpace) {
  // A tab would split the entry into its text and its accelerator text; the others would show as
  // boxes or not at all. The stored path is not changed: only the text shown.
  struct Case {
    const char* caption;
    int maxWidth;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\Work\tOld\\", 40, "C:\\Work Old\\"},
      {"C:\\a\nb\rc\\", 40, "C:\\a b c\\"},
      {"C:\\\x01\x1F\x7F\\", 40, "C:\\   \\"},
      {"C:\\x\xC2\x85y\xC2\xA0z\\", 40, "C:\\x y\xC2\xA0z\\"},  // NEL is a control, no-break space is not
      {"C:\\&Tab\there\\", 40, "C:\\&Tab here\\"},
      // Shortened, the tab in the part kept shows as a space too.
      {"C:\\Users\\me\\Documents\\two\tparts\\", 15, "C:\\…\\two parts\\"},
  };
  for (const Case& c : cases) {
    const FakeMeasure measure;
    EXPECT_EQ(FitMenuEntryText(c.caption, c.maxWidth, measure), c.expected) << c.caption;
  }
  EXPECT_EQ(ShownMenuText("C:\\R&&D\t&x\\"), "C:\\R&D x\\");
}

TEST(FitMenuEntryText, AHugeValueTakesAFewMeasurementsAndFits) {
  // A hand-edited value of 100,000 characters: the shortening measures a few dozen candidates, not
  // one per character.
  std::string caption = "C:\\";
  while (caption.size() < 100000) caption += "folder\\";
  caption += "last\\";
  const FakeMeasure measure;
  const std::string fitted = FitMenuEntryText(caption, 60, measure);
  EXPECT_LE(measure.calls, 80);
  EXPECT_LE(measure.Width(ShownMenuText(fitted)), 60);
  EXPECT_EQ(fitted.substr(0, 3), "C:\\");
  EXPECT_EQ(fitted.substr(fitted.size() - 12), "folder\\last\\");
}

}  // namespace
}  // namespace dm
