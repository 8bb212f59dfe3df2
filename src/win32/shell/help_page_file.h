#pragma once
// Where the help page is read from: Dashmarks.html beside the program when it is there, otherwise a
// copy of the page built into the program, written to the user's temporary folder.

#include <string>

namespace dm::win {

// The page beside the program (Dashmarks.html in the program's folder), whether or not it exists.
std::wstring HelpPageBesideProgram();

// The page to open: the one beside the program if it exists, else the built-in page written to the
// temporary folder. Empty when neither can be had.
std::wstring HelpPageToOpen();

}  // namespace dm::win
