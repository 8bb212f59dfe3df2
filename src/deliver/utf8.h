#pragma once
// UTF-8 decoding and encoding for the window search and the key strings.

#include <optional>
#include <string>
#include <string_view>

namespace dm {

// The code points of text, or nothing when text is not well-formed UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view text);
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace dm
