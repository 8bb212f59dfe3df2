#pragma once
// The information line of the About box: how many folders the user keeps, in a text of fixed length.

#include <cstddef>
#include <string>
#include <string_view>

namespace dm {

inline constexpr std::size_t kAboutInfoTextLength = 64;

// text padded with blanks to exactly `length` characters, or cut after `length` characters.
// Characters are counted as UTF-8 code points, so a cut never splits one.
std::string FixedLengthText(std::string_view text, std::size_t length);

// "<folderCount> Dashmarks are available", fixed to kAboutInfoTextLength characters.
std::string AboutInfoText(std::size_t folderCount);

}  // namespace dm
