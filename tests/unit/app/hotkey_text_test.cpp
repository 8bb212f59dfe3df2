// The "Hotkey" setting read as a key: the forms a user writes, the ones that are not keys, and
// the empty setting that turns the hotkey off.

#include "app/hotkey_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace dm {
namespace {

Hotkey Key(bool ctrl, bool alt, bool shift, bool win, char key, int functionKey = 0) {
  return Hotkey{ctrl, alt, shift, win, key, functionKey};
}

struct GoodCase {
  const char* text;
  Hotkey key;
};

TEST(HotkeyTextTest, GoodKeysAreRead) {
  const GoodCase cases[] = {
      {"Ctrl+G", Key(true, false, false, false, 'G')},
      {"ctrl+g", Key(true, false, false, false, 'G')},
      {"Ctrl+Alt+F", Key(true, true, false, false, 'F')},
      {"Alt+Ctrl+F", Key(true, true, false, false, 'F')},
      {" Control + Shift + 7 ", Key(true, false, true, false, '7')},
      {"Win+Z", Key(false, false, false, true, 'Z')},
      {"Alt+F12", Key(false, true, false, false, 0, 12)},
      {"Ctrl+f1", Key(true, false, false, false, 0, 1)},
      {"Ctrl+Alt+Shift+Win+F24", Key(true, true, true, true, 0, 24)},
  };
  for (const GoodCase& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<Hotkey> key = ParseHotkey(c.text);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(*key, c.key);
  }
}

TEST(HotkeyTextTest, TextsThatAreNoKeyAreRefused) {
  const char* const cases[] = {
      "G",              // no modifier: every G typed would be taken
      "Shift+G",        // Shift alone is typing a capital
      "Ctrl+",          // no key
      "Ctrl",           // a modifier is no key
      "Ctrl+Ctrl+G",    // a modifier twice
      "Ctrl+GH",        // two letters
      "Ctrl+G+H",       // two keys
      "Ctrl+F0",        // no such function key
      "Ctrl+F25",       // beyond F24
      "Ctrl+F01",       // written with a leading zero
      "Strg+G",         // a modifier of another language
      "Ctrl+\xc3\xa9",  // a letter beyond A to Z
      "Ctrl-G",         // another separator
      "Ctrl++",         // a sign
      "+G",             // an empty modifier
  };
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseHotkey(text).has_value());
  }
}

struct SettingCase {
  std::optional<std::string> stored;
  HotkeyChoice choice;
  std::string key;  // HotkeyText of the key when on
};

TEST(HotkeyTextTest, TheSettingIsTheDefaultAKeyOffOrUnreadable) {
  const SettingCase cases[] = {
      {std::nullopt, HotkeyChoice::On, "Ctrl+G"},  // absent: the default
      {"Ctrl+Alt+F", HotkeyChoice::On, "Ctrl+Alt+F"},
      {"alt+shift+f5", HotkeyChoice::On, "Alt+Shift+F5"},
      {"", HotkeyChoice::Off, ""},
      {"   ", HotkeyChoice::Off, ""},
      {"Ctrl+Banana", HotkeyChoice::Unreadable, ""},
      {"G", HotkeyChoice::Unreadable, ""},
  };
  for (const SettingCase& c : cases) {
    SCOPED_TRACE(c.stored.value_or("(absent)"));
    const HotkeySetting setting = HotkeySettingFromText(c.stored);
    EXPECT_EQ(setting.choice, c.choice);
    if (c.choice == HotkeyChoice::On) {
      EXPECT_EQ(HotkeyText(setting.key), c.key);
    }
  }
}

}  // namespace
}  // namespace dm
