#pragma once
// The program's UTF-8 text: decoding and encoding, and the UTF-16 of the system's resources and
// keyboard input. The Win32 layer's conversions through the system's code pages live in
// win32/base/text_conversion.h.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dm {

// The code points of text, or nothing when text is not well-formed UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view text);
// The code point that starts at byte pos of text, advancing pos past it; nothing, with pos
// unchanged, when no well-formed one starts there. pos must be below text.size().
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);

// Whether byte c continues a code point rather than beginning one.
constexpr bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// UTF-16 text as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// The UTF-16 code units of cp: one, or a surrogate pair above U+FFFF. Returns how many.
std::size_t Utf16Units(char32_t cp, char16_t (&units)[2]);

}  // namespace dm
