#pragma once
// `qstn wake-probe`: how late this machine wakes a plain native thread that
// sleeps until each next millisecond. Run beside the keying benchmark, it
// gives the floor that any timer on the machine stands on at that moment:
// keying under Wine cannot be steadier than the machine under it.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qs::tools {

std::string_view wakeProbeHelp();

int wakeProbeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Sleeps until each deadline `periodMs` apart for `seconds` and returns how
// late each wake-up came, in milliseconds.
std::vector<double> measureWakeLatenessMs(int seconds, int periodMs);

}  // namespace qs::tools
