#pragma once
// The texts of the About box: its fixed captions, the information line, and the memory amount in
// the user's digit grouping.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dm {

// Whole numbers written with the user's digit grouping ("###,##0").
struct DigitGrouping {
  std::string separator = ",";
  // Group sizes from the right; the last one repeats when repeatLast is set. Empty: no grouping.
  std::vector<unsigned> sizes{3};
  bool repeatLast = true;

  // Reads the system's grouping notation: "3;0" is thousands throughout, "3;2;0" groups three
  // digits and then pairs, "3" groups only the last three digits, "0" or "" does not group.
  static DigitGrouping FromPattern(std::string_view separator, std::string_view pattern);
};

std::string FormatGrouped(std::uint64_t value, const DigitGrouping& grouping);

// totalPhysicalBytes / 1024, rounded to a whole number, grouped, followed by " KB".
std::string MemoryLine(std::uint64_t totalPhysicalBytes, const DigitGrouping& grouping);

// The information line: how many folders the user keeps, in a text of fixed length.
inline constexpr std::size_t kAboutInfoTextLength = 64;

// text padded with blanks to exactly `length` characters, or cut after `length` characters.
// Characters are counted as UTF-8 code points, so a cut never splits one.
std::string FixedLengthText(std::string_view text, std::size_t length);

// "<folderCount> Dashmarks are available", fixed to kAboutInfoTextLength characters.
std::string AboutInfoText(std::size_t folderCount);

}  // namespace dm

namespace dm::about_texts {

inline constexpr char kProgramTitle[] = "Dashmarks";
inline constexpr char kCaptionPrefix[] = "About ";
inline constexpr char kAuthor[] = "By Vantrel";
inline constexpr char kCopyright[] = "Copyright (C) 2026 Vantrel";
inline constexpr char kUrl[] = "https://vantrel.test/dashmarks";
inline constexpr char kMail[] = "info@vantrel.test";
inline constexpr char kInfo[] = "Information:";
inline constexpr char kPhysMem[] = "Physical Memory Available to Windows:";
inline constexpr char kOk[] = "OK";

}  // namespace dm::about_texts
