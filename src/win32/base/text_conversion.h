#pragma once
// Conversions between the program's UTF-8 text and the system's UTF-16 and ANSI code page.

#include <string>
#include <string_view>

namespace dm::win {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// The system's ANSI code page, for the ANSI bindings.
std::string Utf8ToAnsi(std::string_view text);
std::string AnsiToUtf8(std::string_view text);

}  // namespace dm::win
