#pragma once
// `qstn score`: decodes a generated corpus of CW recordings with both
// decoders and prints the character error rate per condition and overall,
// what each prints on noise alone, and the processor time per minute of
// audio. Prints figures; nothing is asserted.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qs::tools {

std::string_view scoreHelp();

int scoreCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qs::tools
