// The registry store against the real registry of the test prefix, under a key of the tests' own.

#include "platform/win32/system/registry_settings_store.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/base/text_conversion.h"
#include "platform/win32/base/unique_handle.h"

namespace dm::win {
namespace {

constexpr char kApp[] = "Vantrel Tests";
constexpr char kSection[] = "Registry Store";
constexpr wchar_t kAppKey[] = L"Software\\Vantrel Tests";
constexpr wchar_t kSectionKey[] = L"Software\\Vantrel Tests\\Registry Store";

class RegistrySettingsStoreTest : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey); }

  static bool KeyExists(const wchar_t* path) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &raw) != ERROR_SUCCESS) return false;
    UniqueRegistryKey key(raw);
    return true;
  }

  static DWORD ValueType(const wchar_t* name) {
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSectionKey, name, RRF_RT_ANY, &type, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      return REG_NONE;
    }
    return type;
  }

  RegistrySettingsStore store;
};

TEST_F(RegistrySettingsStoreTest, ReadingAnAbsentKeyGivesTheDefaultAndCreatesNothing) {
  EXPECT_EQ(ReadSetting(store, kApp, kSection, "Amount", "0"), "0");
  EXPECT_EQ(ReadSetting(store, kApp, kSection, "Path1"), "");
  EXPECT_FALSE(KeyExists(kAppKey));
}

TEST_F(RegistrySettingsStoreTest, WritingCreatesTheLevelsAndStoresText) {
  WriteSetting(store, kApp, kSection, "Amount", "3");
  EXPECT_TRUE(KeyExists(kSectionKey));
  EXPECT_EQ(ValueType(L"Amount"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(ReadSetting(store, kApp, kSection, "Amount", "0"), "3");
}

TEST_F(RegistrySettingsStoreTest, TextRoundTripsExactly) {
  const std::string paths[] = {"C:\\WINDOWS\\", "", "D:\\a%b^c+d~e{f}g(h)i[j]k&l m\\", "C:\\Caf\xC3\xA9\\",
                               std::string(300, 'x')};
  for (const std::string& path : paths) {
    WriteSetting(store, kApp, kSection, "Path1", path);
    EXPECT_EQ(ReadSetting(store, kApp, kSection, "Path1", "default"), path);
  }
}

TEST_F(RegistrySettingsStoreTest, DeletingRemovesOneKeyAndAnAbsentKeyIsHarmless) {
  WriteSetting(store, kApp, kSection, "Path1", "A");
  WriteSetting(store, kApp, kSection, "Path2", "B");
  DeleteSetting(store, kApp, kSection, "Path2");
  DeleteSetting(store, kApp, kSection, "Path2");
  DeleteSetting(store, kApp, kSection, "Path9");
  DeleteSetting(store, "No Such App", kSection, "Path1");
  EXPECT_EQ(ReadSetting(store, kApp, kSection, "Path2", "gone"), "gone");
  EXPECT_EQ(ReadSetting(store, kApp, kSection, "Path1"), "A");
}

TEST_F(RegistrySettingsStoreTest, AHandEditedValueOfAnotherTypeNeverStopsTheRead) {
  WriteSetting(store, kApp, kSection, "Amount", "1");
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSectionKey, 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
  UniqueRegistryKey key(raw);
  const BYTE unterminated[] = {'A', 0, 'B', 0};  // no terminating NUL
  RegSetValueExW(key.Get(), L"Path1", 0, REG_SZ, unterminated, sizeof(unterminated));
  const BYTE binary[] = {1, 2, 3};
  RegSetValueExW(key.Get(), L"Path2", 0, REG_BINARY, binary, sizeof(binary));
  EXPECT_EQ(ReadSetting(store, kApp, kSection, "Path1"), "AB");
  EXPECT_EQ(ReadSetting(store, kApp, kSection, "Path2", "default"), "");
}

TEST_F(RegistrySettingsStoreTest, AHandEnteredNumberReadsAsItsDecimalText) {
  WriteSetting(store, kApp, kSection, "Amount", "1");
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSectionKey, 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
  UniqueRegistryKey key(raw);
  for (const DWORD number : {DWORD{7}, DWORD{64}, DWORD{300}, DWORD{0xFFFFFFFF}}) {
    RegSetValueExW(key.Get(), L"Amount", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof(number));
    RegSetValueExW(key.Get(), L"Priority", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof(number));
    EXPECT_EQ(ReadSetting(store, kApp, kSection, "Amount", "0"), std::to_string(number));
    EXPECT_EQ(ReadSetting(store, kApp, kSection, "Priority", "32"), std::to_string(number));
  }
  const ULONGLONG wide = 12345678901234567890ULL;
  RegSetValueExW(key.Get(), L"Amount", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&wide), sizeof(wide));
  EXPECT_EQ(ReadSetting(store, kApp, kSection, "Amount", "0"), "12345678901234567890");
}

}  // namespace
}  // namespace dm::win
