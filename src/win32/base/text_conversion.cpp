#include "win32/base/text_conversion.h"

#include <windows.h>

namespace dm::win {

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view text) { return ToWide(CP_UTF8, text); }
std::string WideToUtf8(std::wstring_view text) { return FromWide(CP_UTF8, text); }
std::string Utf8ToAnsi(std::string_view text) { return FromWide(CP_ACP, Utf8ToWide(text)); }
std::string AnsiToUtf8(std::string_view text) { return WideToUtf8(ToWide(CP_ACP, text)); }

}  // namespace dm::win
