// qstn: Quillstone's command-line tool. Each command lives in the tools
// library; this file only picks one by name.

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/bench_command.h"
#include "tools/decode_command.h"
#include "tools/decode_options.h"
#include "tools/encode_command.h"
#include "tools/encode_options.h"
#include "tools/keying_check_command.h"
#include "tools/score_command.h"
#include "tools/settings_command.h"
#include "tools/wake_probe_command.h"

namespace {

using qs::tools::benchCommand;
using qs::tools::decodeCommand;
using qs::tools::encodeCommand;
using qs::tools::settingsCommand;

struct Command {
    std::string_view name;
    std::string_view summary;
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
    std::string_view (*help)();
};

constexpr Command kCommands[] = {
    {"decode", "decode the Morse in a WAV recording", decodeCommand, qs::tools::decodeHelp},
    {"encode", "key a text into a WAV recording", encodeCommand, qs::tools::encodeHelp},
    {"settings", "show, change or create a settings file", settingsCommand,
     qs::tools::settingsHelp},
    {"bench", "time the receive path", benchCommand, qs::tools::benchHelp},
    {"score", "error rates of both decoders on a generated corpus", qs::tools::scoreCommand,
     qs::tools::scoreHelp},
    {"keying-check", "compare keyed lines with the ideal timing",
     qs::tools::keyingCheckCommand, qs::tools::keyingCheckHelp},
    {"wake-probe", "how late this machine wakes a sleeping thread", qs::tools::wakeProbeCommand,
     qs::tools::wakeProbeHelp},
};

constexpr size_t kNameColumn = 14;

void printOverview(std::ostream& out) {
    out << "usage: qstn COMMAND [options]\n\ncommands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.name << std::string(kNameColumn - std::min(command.name.size(), kNameColumn - 1), ' ') << command.summary
            << '\n';
    }
    out << "\n'qstn COMMAND --help' describes one command.\n";
}

void printFullHelp(std::ostream& out) {
    printOverview(out);
    for (const Command& command : kCommands) out << "\n" << command.help();
}

int dispatch(const std::vector<std::string>& args) {
    if (args.empty()) {
        printOverview(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printFullHelp(std::cout);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (args[0] == command.name) {
            if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
                std::cout << command.help();
                return 0;
            }
            const std::vector<std::string> rest(args.begin() + 1, args.end());
            return command.run(rest, std::cout, std::cerr);
        }
    }
    std::cerr << "qstn: unknown command " << args[0] << "\n";
    printOverview(std::cerr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return dispatch(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "qstn: " << e.what() << '\n';
        return 1;
    }
}
