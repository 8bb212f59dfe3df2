#include "ui/main/folders_menu_keys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace dm::folders_menu {
namespace {

constexpr KeyAnswer kIgnore{};
constexpr KeyAnswer Choose(std::size_t item) { return {KeyAction::Choose, item}; }
constexpr KeyAnswer Highlight(std::size_t item) { return {KeyAction::Highlight, item}; }

TEST(FoldersMenuKeys, AnswersEachKeyFromTheFoldersAndTheHighlight) {
  // Menu items: 0 the heading, then the folders from item 1.
  const std::vector<std::string> folders = {
      "C:\\Data\\Reports\\",             // 1
      "D:\\",                            // 2
      "\\\\server\\share\\",             // 3
      "C:\\Data\\Recipes",               // 4
      "C:\\Users\\\xC3\x89mile\\",       // 5: Émile
      "C:\\R&&D\\",                      // 6: shows "R&D"
      "E:\\Work\\\\",                    // 7: two trailing backslashes
      "C:\\\xD0\x94\xD0\xBE\xD0\xBC\\",  // 8: Дом
      "C:\\Temp\\&Beta\\",               // 9: shows "Beta"
      "C:\\Data\\reports old\\",         // 10
  };
  const struct Case {
    const char* name;
    char32_t key;
    std::optional<std::size_t> highlighted;
    KeyAnswer expected;
  } cases[] = {
      {"1 chooses the first folder", U'1', std::nullopt, Choose(1)},
      {"9 chooses the ninth folder", U'9', 3, Choose(9)},
      {"0 does nothing", U'0', std::nullopt, kIgnore},
      {"a letter with nothing highlighted finds the first match", U'r', std::nullopt, Highlight(1)},
      {"a letter on the heading finds the first match", U'r', 0, Highlight(1)},
      {"the same letter again moves on", U'r', 1, Highlight(4)},
      {"and again", U'r', 4, Highlight(6)},
      {"and again", U'r', 6, Highlight(10)},
      {"past the last match it wraps round to the first", U'r', 10, Highlight(1)},
      {"a capital finds a small letter", U'R', 6, Highlight(10)},
      {"a small letter finds a capital", U'w', std::nullopt, Highlight(7)},
      {"a root folder is found by its drive", U'd', std::nullopt, Highlight(2)},
      {"a network folder is found by its share", U's', std::nullopt, Highlight(3)},
      {"a name with an access-key marker is found as it shows", U'b', std::nullopt, Highlight(9)},
      {"the only match stays highlighted", U's', 3, Highlight(3)},
      {"a letter with no match does nothing", U'z', 2, kIgnore},
      {"a small accented letter finds its capital", U'\u00E9', std::nullopt, Highlight(5)},
      {"an accented capital finds itself", U'\u00C9', 1, Highlight(5)},
      {"a Cyrillic small letter finds its capital", U'\u0434', std::nullopt, Highlight(8)},
      {"an unaccented letter does not find an accented one", U'e', std::nullopt, kIgnore},
      {"a space does nothing", U' ', std::nullopt, kIgnore},
      {"a highlight beyond the list starts from the top", U'r', 99, Highlight(1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AnswerKey(c.key, folders, c.highlighted), c.expected);
  }
}

TEST(FoldersMenuKeys, DigitsBeyondTheFoldersDoNothing) {
  const std::vector<std::string> three = {"C:\\A\\", "C:\\B\\", "C:\\C\\"};
  const struct Case {
    char32_t key;
    KeyAnswer expected;
  } cases[] = {{U'1', Choose(1)}, {U'3', Choose(3)}, {U'4', kIgnore}, {U'9', kIgnore}, {U'0', kIgnore}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<char>(c.key));
    EXPECT_EQ(AnswerKey(c.key, three, std::nullopt), c.expected);
  }
  EXPECT_EQ(AnswerKey(U'1', {}, std::nullopt), kIgnore);
  EXPECT_EQ(AnswerKey(U'a', {}, std::nullopt), kIgnore);
}

TEST(FoldersMenuKeys, LastNameIsTheLastComponentAsShown) {
  const struct Case {
    const char* folder;
    const char* expected;
  } cases[] = {
      {"C:\\Data\\Reports\\", "Reports"},
      {"C:\\Data\\Reports", "Reports"},
      {"D:\\", "D:"},
      {"D:", "D:"},
      {"\\\\server\\share\\", "share"},
      {"\\\\server", "server"},
      {"C:\\A&&B\\", "A&B"},
      {"C:\\&Temp\\", "Temp"},
      {"E:\\Work\\\\", "Work"},
      {"", ""},
      {"\\", ""},
      {"C:/Data/Mixed/", "Mixed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    EXPECT_EQ(LastName(c.folder), c.expected);
  }
}

}  // namespace
}  // namespace dm::folders_menu
