// The registry store against the real registry of the test prefix, under a key of the tests' own.

#include "win32/system/registry_settings_store.h"

#include <gtest/gtest.h>

#include <string>

#include "win32/base/text_conversion.h"
#include "win32/base/unique_handle.h"

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
  EXPECT_EQ(store.Get(kApp, kSection, "Amount").value_or("0"), "0");
  EXPECT_EQ(store.Get(kApp, kSection, "Path1").value_or(""), "");
  EXPECT_FALSE(KeyExists(kAppKey));
}

TEST_F(RegistrySettingsStoreTest, WritingCreatesTheLevelsAndStoresText) {
  store.Put(kApp, kSection, "Amount", "3");
  EXPECT_TRUE(KeyExists(kSectionKey));
  EXPECT_EQ(ValueType(L"Amount"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(store.Get(kApp, kSection, "Amount").value_or("0"), "3");
}

TEST_F(RegistrySettingsStoreTest, TextRoundTripsExactly) {
  const std::string paths[] = {"C:\\WINDOWS\\", "", "D:\\a%b^c+d~e{f}g(h)i[j]k&l m\\", "C:\\Caf\xC3\xA9\\",
                               std::string(300, 'x')};
  for (const std::string& path : paths) {
    store.Put(kApp, kSection, "Path1", path);
    EXPECT_EQ(store.Get(kApp, kSection, "Path1").value_or("default"), path);
  }
}

TEST_F(RegistrySettingsStoreTest, DeletingRemovesOneKeyAndAnAbsentKeyIsHarmless) {
  store.Put(kApp, kSection, "Path1", "A");
  store.Put(kApp, kSection, "Path2", "B");
  store.Remove(kApp, kSection, "Path2");
  store.Remove(kApp, kSection, "Path2");
  store.Remove(kApp, kSection, "Path9");
  store.Remove("No Such App", kSection, "Path1");
  EXPECT_EQ(store.Get(kApp, kSection, "Path2").value_or("gone"), "gone");
  EXPECT_EQ(store.Get(kApp, kSection, "Path1").value_or(""), "A");
}

TEST_F(RegistrySettingsStoreTest, AHandEditedValueOfAnotherTypeNeverStopsTheRead) {
  store.Put(kApp, kSection, "Amount", "1");
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSectionKey, 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
  UniqueRegistryKey key(raw);
  const BYTE unterminated[] = {'A', 0, 'B', 0};  // no terminating NUL
  RegSetValueExW(key.Get(), L"Path1", 0, REG_SZ, unterminated, sizeof(unterminated));
  const BYTE binary[] = {1, 2, 3};
  RegSetValueExW(key.Get(), L"Path2", 0, REG_BINARY, binary, sizeof(binary));
  EXPECT_EQ(store.Get(kApp, kSection, "Path1").value_or(""), "AB");
  EXPECT_EQ(store.Get(kApp, kSection, "Path2").value_or("default"), "");
}

TEST_F(RegistrySettingsStoreTest, AHandEnteredNumberReadsAsItsDecimalText) {
  store.Put(kApp, kSection, "Amount", "1");
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSectionKey, 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
  UniqueRegistryKey key(raw);
  for (const DWORD number : {DWORD{7}, DWORD{64}, DWORD{300}, DWORD{0xFFFFFFFF}}) {
    RegSetValueExW(key.Get(), L"Amount", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof(number));
    RegSetValueExW(key.Get(), L"Priority", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof(number));
    EXPECT_EQ(store.Get(kApp, kSection, "Amount").value_or("0"), std::to_string(number));
    EXPECT_EQ(store.Get(kApp, kSection, "Priority").value_or("32"), std::to_string(number));
  }
  const ULONGLONG wide = 12345678901234567890ULL;
  RegSetValueExW(key.Get(), L"Amount", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&wide), sizeof(wide));
  EXPECT_EQ(store.Get(kApp, kSection, "Amount").value_or("0"), "12345678901234567890");
}

}  // namespace
}  // namespace dm::win
