#pragma once
// `qstn settings`: lists, changes and creates settings files (.qstn) with
// the terminal's own loader and saver.
//
//   qstn settings show [--json] FILE.qstn
//   qstn settings set FILE.qstn SLOT VALUE
//   qstn settings new FILE.qstn

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qs::tools {

// The command with its arguments (after "settings"). Returns the exit
// status: 0 done, 2 for bad arguments or a file that cannot be used (its
// error on `err`, as the terminal's loader words it).
int settingsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The text of `qstn settings --help`.
std::string_view settingsHelp();

}  // namespace qs::tools
