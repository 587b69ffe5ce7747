#pragma once
// The program's command line, as the shell passes it when a ".qstn" file is
// double-clicked ("...\Quillstone.exe" "C:\My Files\contest.qstn").

#include <optional>
#include <vector>

#include "common/text.h"

namespace qs::app {

// Splits a whole command line, the program's own name first, by the rules
// of the C runtime: blanks and tabs separate arguments outside double
// quotes; 2n backslashes before a quote give n backslashes and the quote
// opens or closes a quoted part, 2n + 1 give n backslashes and a literal
// quote; other backslashes stay; two quotes inside a quoted part give one.
// The program's name is taken up to the closing quote or the first blank.
std::vector<Text> splitCommandLine(TextView commandLine);

// The document to open: the first argument after the program's name that is
// not a switch ("/..." or "-..."); none without one.
std::optional<Text> documentFromCommandLine(TextView commandLine);

}  // namespace qs::app
