#include "deliver/delivery_keys.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "support/fake_desktop.h"

namespace dm {
namespace {

struct TypedCase {
  const char* text;
  std::size_t presses;  // one per character
};

class TypedTextTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedTextTest, EveryCharacterIsOnePlainPressOfItself) {
  const TypedCase& c = GetParam();
  const std::optional<KeySequence> keys = TypedText(c.text);
  ASSERT_TRUE(keys.has_value());
  EXPECT_EQ(keys->size(), c.presses);
  for (const KeyPress& press : *keys) {
    EXPECT_FALSE(press.named) << c.text;
    EXPECT_EQ(press.modifiers, modifier::kNone) << c.text;
  }
  // The presses, written out, give back the text itself.
  EXPECT_EQ(test::DescribeKeys(*keys), c.presses == 0 ? "" : "\"" + std::string(c.text) + "\"");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TypedTextTest,
    testing::Values(TypedCase{"C:\\Program Files\\", 17},
                    // Characters that other notations of keys take for modifiers, Enter or groups.
                    TypedCase{"D:\\50%+more^~\\", 14}, TypedCase{"E:\\{x}\\[y]\\(z)\\", 15},
                    // The access-key marker of menus and labels.
                    TypedCase{"F:\\R&D & Co\\", 12},
                    // Accents and ideographs, two and three bytes each in UTF-8.
                    TypedCase{"G:\\\xC3\x9C"
                              "ber\\\xE6\x97\xA5\xE6\x9C\xAC\\",
                              11},
                    TypedCase{"\\\\server\\share {1}\\", 19}, TypedCase{"", 0}));

TEST(TypedTextCharacterTest, ACharacterBeyondTheBasicPlaneIsOnePressOfThatCharacter) {
  const std::optional<KeySequence> keys = TypedText("H:\\\xF0\x9F\x98\x80\\");
  ASSERT_TRUE(keys.has_value());
  ASSERT_EQ(keys->size(), 5u);
  EXPECT_EQ((*keys)[3], KeyPress::Character(U'\U0001F600'));
}

TEST(TypedTextCharacterTest, TextThatIsNotUtf8IsNoKeysAtAll) {
  for (const char* text : {"ok\xC3", "\xFF", "C:\\\x80\\"}) EXPECT_FALSE(TypedText(text).has_value()) << text;
}

struct StepCase {
  const char* name;
  std::span<const KeyPress> keys;
  const char* described;  // test::DescribeKeys of the keys
};

class FixedStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(FixedStepTest, IsThePressesItIsNamedFor) {
  EXPECT_EQ(test::DescribeKeys(KeySequence(GetParam().keys.begin(), GetParam().keys.end())),
            GetParam().described);
}

INSTANTIATE_TEST_SUITE_P(Steps, FixedStepTest,
                         testing::Values(StepCase{"DialogFocusNameBox", kDialogFocusNameBox, "Alt+n"},
                                         StepCase{"DialogAfterPath", kDialogAfterPath, "{DELETE} {ENTER}"},
                                         StepCase{"ExplorerBeforePath", kExplorerBeforePath, "Alt+t \"g\""},
                                         StepCase{"ExplorerAfterPath", kExplorerAfterPath, "{ENTER}"},
                                         StepCase{"Paste", kPaste, "Ctrl+v"},
                                         StepCase{"AddressBoxKeys", kAddressBoxKeys, "Alt+d {F4} Ctrl+l"},
                                         StepCase{"AddressBoxAfterPath", kAddressBoxAfterPath, "{ENTER}"}),
                         [](const testing::TestParamInfo<StepCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace dm
