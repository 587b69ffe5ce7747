#pragma once
// Running a qstn command in-process, as the tool's tests do: its exit status
// and what it wrote to stdout and stderr.

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace qs::test {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

using CommandFunction = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

inline CommandRun runCommand(CommandFunction command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}

inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace qs::test
