#include "deliver/key_string.h"

#include <gtest/gtest.h>

#include "support/fake_desktop.h"
#include "text/utf8.h"

namespace dm {
namespace {

struct ParseCase {
  const char* keys;
  const char* described;  // test::DescribeKeys of the result
};

class KeyStringParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(KeyStringParseTest, ParsesToPresses) {
  const ParsedKeyString parsed = ParseKeyString(GetParam().keys);
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(test::DescribeKeys(parsed.keys), GetParam().described);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyStringParseTest,
    testing::Values(
        // The delivery's fixed strings.
        ParseCase{"%n", "Alt+n"}, ParseCase{"{ENTER}{BS}", "{ENTER} {BS}"}, ParseCase{"%tg", "Alt+t \"g\""},
        ParseCase{"{ENTER}", "{ENTER}"}, ParseCase{"^v", "Ctrl+v"},
        // Plain text, the empty string, Enter as "~".
        ParseCase{"C:\\Data\\", "\"C:\\Data\\\""}, ParseCase{"", ""}, ParseCase{"a~b", "\"a\" {ENTER} \"b\""},
        // Modifiers combine and apply to one key or one group.
        ParseCase{"^+a", "Ctrl+Shift+a"}, ParseCase{"+(ab)c", "Shift+a Shift+b \"c\""},
        ParseCase{"^(+(x)y)", "Ctrl+Shift+x Ctrl+y"}, ParseCase{"%{F4}", "Alt+{F4}"},
        ParseCase{"+~", "Shift+{ENTER}"},
        // Named keys, any case, with repeat counts.
        ParseCase{"{left 4}", "{LEFT} {LEFT} {LEFT} {LEFT}"},
        ParseCase{"{TAB}{Esc}{F16}", "{TAB} {ESC} {F16}"},
        ParseCase{"{BACKSPACE}{BKSP}{DEL}", "{BS} {BS} {DELETE}"}, ParseCase{"{HOME 0}", ""},
        // Braced characters, metacharacters included, with repeat counts.
        ParseCase{"{%}{^}{+}{~}", "\"%^+~\""}, ParseCase{"{{}{}}{(}{)}", "\"{}()\""},
        ParseCase{"{[}{]}", "\"[]\""}, ParseCase{"{x 3}", "\"xxx\""}, ParseCase{"{} 2}", "\"}}\""},
        ParseCase{"{ }", "\" \""},
        // Brackets and non-ASCII characters are literal as they stand.
        ParseCase{"[a]", "\"[a]\""}, ParseCase{"\xC3\xA9{\xE2\x82\xAC}", "\"\xC3\xA9\xE2\x82\xAC\""},
        ParseCase{"^\xC3\xA9", "Ctrl+\xC3\xA9"}));

struct MalformedCase {
  const char* keys;
  std::size_t offset;
};

class KeyStringMalformedTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(KeyStringMalformedTest, IsRefusedWithAnExplanation) {
  const ParsedKeyString parsed = ParseKeyString(GetParam().keys);
  EXPECT_FALSE(parsed.ok);
  EXPECT_FALSE(parsed.error.empty());
  EXPECT_EQ(parsed.offset, GetParam().offset) << parsed.error;
  EXPECT_TRUE(parsed.keys.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, KeyStringMalformedTest,
                         testing::Values(MalformedCase{"ab{ENTER", 2}, MalformedCase{"{", 0},
                                         MalformedCase{"x}", 1}, MalformedCase{"{NOSUCHKEY}", 0},
                                         MalformedCase{"{F17}", 0}, MalformedCase{"{LEFT x}", 0},
                                         MalformedCase{"{LEFT }", 0}, MalformedCase{"{LEFT 99999}", 0},
                                         MalformedCase{"+(ab", 1}, MalformedCase{"ab)", 2},
                                         MalformedCase{"a^", 1}, MalformedCase{"+)", 0},
                                         MalformedCase{"%", 0}, MalformedCase{"ok\xC3", 0}));

TEST(KeyStringNestingTest, GroupsNestUpTo64DeepAndNoFurther) {
  const ParsedKeyString deepest = ParseKeyString(std::string(64, '(') + "a" + std::string(64, ')'));
  ASSERT_TRUE(deepest.ok) << deepest.error;
  EXPECT_EQ(test::DescribeKeys(deepest.keys), "\"a\"");

  // Far deeper nesting is refused at the first group too many, not by running out of stack.
  const ParsedKeyString tooDeep = ParseKeyString(std::string(200000, '('));
  EXPECT_FALSE(tooDeep.ok);
  EXPECT_EQ(tooDeep.offset, 64u) << tooDeep.error;
}

struct EscapeCase {
  const char* text;
  const char* escaped;
};

class EscapeKeyStringTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeKeyStringTest, TypesTheTextLiterally) {
  const EscapeCase& c = GetParam();
  const std::string escaped = EscapeKeyString(c.text);
  EXPECT_EQ(escaped, c.escaped);

  const ParsedKeyString parsed = ParseKeyString(escaped);
  ASSERT_TRUE(parsed.ok) << parsed.error;
  KeySequence literal;
  const std::u32string characters = DecodeUtf8(c.text).value();
  for (char32_t ch : characters) literal.push_back({modifier::kNone, false, NamedKey::Enter, ch});
  EXPECT_EQ(parsed.keys, literal);
}

INSTANTIATE_TEST_SUITE_P(Paths, EscapeKeyStringTest,
                         testing::Values(EscapeCase{"C:\\Program Files\\", "C:\\Program Files\\"},
                                         EscapeCase{"D:\\50%+more^~\\", "D:\\50{%}{+}more{^}{~}\\"},
                                         EscapeCase{"E:\\{x}\\[y]\\(z)\\", "E:\\{{}x{}}\\{[}y{]}\\{(}z{)}\\"},
                                         EscapeCase{"F:\\R&D & Co\\", "F:\\R&D & Co\\"},
                                         EscapeCase{"G:\\\xC3\x9C"
                                                    "ber\\\xE6\x97\xA5\xE6\x9C\xAC\\",
                                                    "G:\\\xC3\x9C"
                                                    "ber\\\xE6\x97\xA5\xE6\x9C\xAC\\"},
                                         EscapeCase{"\\\\server\\share {1}\\", "\\\\server\\share {{}1{}}\\"},
                                         EscapeCase{"", ""}));

}  // namespace
}  // namespace dm
