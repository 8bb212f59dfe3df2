#pragma once
// UTF-8 decoding and encoding for the window search and the key strings.

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

}  // namespace dm
