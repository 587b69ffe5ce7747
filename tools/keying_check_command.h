#pragma once
// `qstn keying-check`: compares a record of keyed lines (the test
// usbif4cw.dll's log or the modem-line recorder's) with the keying engine's
// ideal timing for the same text, and prints the error figures of elements,
// gaps and PTT.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qs::tools {

std::string_view keyingCheckHelp();

int keyingCheckCommand(const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err);

}  // namespace qs::tools
