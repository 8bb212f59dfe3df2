#pragma once
// The fixed texts of the About box.

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
