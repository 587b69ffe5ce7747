#pragma once
// `qstn bench`: times the whole receive path, with both noise-reduction
// passes and the comb filter on, over generated noisy Morse.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qs::tools {

std::string_view benchHelp();

int benchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qs::tools
