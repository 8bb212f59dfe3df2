#pragma once
// Every settings key the program uses. All live under application "Vantrel", section "Dashmarks",
// and hold text.
//
//   Amount     decimal 0..255, default 0   read at start-up and at shutdown; written at shutdown
//                                          only when the count changed
//   Path<i>    a path, i = 1..255, no default
//                                          read at start-up; written at shutdown for 1..count,
//                                          deleted above the count up to the previous count
//   Clipboard  "True" / "False", default True
//                                          read at start-up; written at shutdown while the list
//                                          holds at least one path
//   Priority   decimal, default 32         read at start-up; never written (hand-edited only)
//   Hotkey     "Ctrl+G", "Ctrl+Alt+F"...,  read at start-up; never written (set by the user only);
//              default Ctrl+G, empty: off   kept out of every save
//   Notify     "True" / "False", default True
//                                          read at start-up; never written (set by the user only):
//                                          "False" keeps failed deliveries to a beep, no notice
//   Recent<i>  a path, i = 1..8, newest first, no default
//                                          read at start-up; written when a folder was delivered
//                                          and the recent folders changed (only the values that
//                                          changed), deleted above their count and by
//                                          "Clear recent"; never part of the list's saves

#include <cstdint>
#include <string>
#include <string_view>

namespace dm::keys {

inline constexpr std::string_view kApplication = "Vantrel";
inline constexpr std::string_view kSection = "Dashmarks";

inline constexpr std::string_view kAmount = "Amount";
inline constexpr std::string_view kClipboard = "Clipboard";
inline constexpr std::string_view kPriority = "Priority";
inline constexpr std::string_view kHotkey = "Hotkey";
inline constexpr std::string_view kNotify = "Notify";

inline constexpr std::string_view kAmountDefault = "0";
inline constexpr std::string_view kClipboardDefault = "True";
inline constexpr std::string_view kNotifyDefault = "True";
inline constexpr std::string_view kPriorityDefault = "32";

inline constexpr std::string_view kTrue = "True";
inline constexpr std::string_view kFalse = "False";

// "Path" followed by the position in decimal, no leading zeros or blanks.
inline std::string PathKey(unsigned position) { return "Path" + std::to_string(position); }
// "Recent" followed by the position in decimal, 1 the newest.
inline std::string RecentKey(unsigned position) { return "Recent" + std::to_string(position); }

}  // namespace dm::keys
