#include "win32/system/registry_settings_store.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "win32/base/text_conversion.h"
#include "win32/base/unique_handle.h"

namespace dm::win {

namespace {

std::wstring SubKey(std::string_view app, std::string_view section) {
  return L"Software\\" + Utf8ToWide(app) + L"\\" + Utf8ToWide(section);
}

}  // namespace

std::optional<std::string> RegistrySettingsStore::Get(std::string_view app, std::string_view section,
                                                      std::string_view key) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(root_, SubKey(app, section).c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  UniqueRegistryKey opened(raw);
  const std::wstring name = Utf8ToWide(key);
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(opened.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (type == REG_DWORD || type == REG_QWORD) {
    // A number entered by hand ("Amount" or "Priority" as a DWORD) reads as its decimal text.
    std::uint64_t number = 0;
    DWORD size = sizeof(number);
    if (RegQueryValueExW(opened.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number),
                         &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    return std::to_string(number);  // the value's bytes are little-endian, as this processor's
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) {
    // A value of another type was put there by hand; it holds no text the program wrote.
    return std::string();
  }
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  const std::size_t capacity = value.size() * sizeof(wchar_t);
  DWORD size = static_cast<DWORD>(capacity);
  if (RegQueryValueExW(opened.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                       &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.resize(size / sizeof(wchar_t));
  // Stored strings may or may not carry their terminator; the text ends at the first NUL.
  if (const auto nul = value.find(L'\0'); nul != std::wstring::npos) value.resize(nul);
  return WideToUtf8(value);
}

void RegistrySettingsStore::Put(std::string_view app, std::string_view section, std::string_view key,
                                std::string_view value) {
  HKEY raw = nullptr;
  if (RegCreateKeyExW(root_, SubKey(app, section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                      nullptr, &raw, nullptr) != ERROR_SUCCESS) {
    return;
  }
  UniqueRegistryKey created(raw);
  const std::wstring text = Utf8ToWide(value);
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);  // with the terminator
  RegSetValueExW(created.Get(), Utf8ToWide(key).c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(bytes));
}

void RegistrySettingsStore::Remove(std::string_view app, std::string_view section, std::string_view key) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(root_, SubKey(app, section).c_str(), 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) return;
  UniqueRegistryKey opened(raw);
  RegDeleteValueW(opened.Get(), Utf8ToWide(key).c_str());
}

}  // namespace dm::win
