#pragma once
// The program's debug lines: each goes to the debugger (and to Wine's debug channel) as one line,
// "Dashmarks: " before it and the line's end after it, so that every line reads alike and a reader
// of the channel finds the program's own among the system's.

#include <string_view>

namespace dm::win {

// Writes line (UTF-8, without the prefix or the line's end). Allocates nothing for a line that
// fits a few hundred characters: it is also called after the memory ran out.
void Trace(std::string_view line) noexcept;

}  // namespace dm::win
