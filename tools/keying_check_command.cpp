#include "tools/keying_check_command.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iomanip>

#include "tools/argument_values.h"
#include "tools/keying_check.h"

namespace qs::tools {

namespace {

constexpr int kLowestCpm = 25;
constexpr int kCpmStep = 5;
constexpr int kHighestCpm = 180;

struct CheckOptions {
    KeyingLogFormat format = KeyingLogFormat::Usbif4cw;
    std::string keyLine = "RTS";
    int speedIndex = 15;
    int pttLeadMs = 0;
    std::string weights = "1123";
    double toleranceMs = -1.0;  // none: figures only
    std::string logPath;
    std::string text;
};

// The value after an option; false when it is missing.
bool takeValue(const std::vector<std::string>& args, size_t& i, std::string& value) {
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
}

std::string parseOption(const std::vector<std::string>& args, size_t& i, CheckOptions& options) {
    const std::string& name = args[i];
    std::string value;
    if (!takeValue(args, i, value)) return name + ": a value is missing";
    if (name == "--format") {
        if (value != "usbif4cw" && value != "modem-lines") {
            return badOptionValue(name, "usbif4cw or modem-lines", value);
        }
        options.format =
            value == "usbif4cw" ? KeyingLogFormat::Usbif4cw : KeyingLogFormat::ModemLines;
    } else if (name == "--key-line") {
        if (value != "RTS" && value != "DTR") return badOptionValue(name, "RTS or DTR", value);
        options.keyLine = value;
    } else if (name == "--cpm") {
        int cpm = 0;
        if (!parseIntInRange(value, kLowestCpm, kHighestCpm, cpm) || cpm % kCpmStep != 0) {
            return badOptionValue(name, "25..180 in steps of 5", value);
        }
        options.speedIndex = (cpm - kLowestCpm) / kCpmStep;
    } else if (name == "--lead-ms") {
        int lead = 0;
        if (!parseIntInRange(value, 0, 200, lead) || (lead != 0 && lead != 25 && lead != 50 &&
                                                      lead != 100 && lead != 200)) {
            return badOptionValue(name, "0, 25, 50, 100 or 200", value);
        }
        options.pttLeadMs = lead;
    } else if (name == "--weights") {
        const bool digits = value.size() == 4 && std::all_of(value.begin(), value.end(), [](char c) {
                                return c >= '0' && c <= '9';
                            });
        if (!digits) return badOptionValue(name, "four digits, as 1123", value);
        options.weights = value;
    } else if (name == "--tolerance-ms") {
        int tolerance = 0;
        if (!parseIntInRange(value, 0, 1000, tolerance)) {
            return badOptionValue(name, "whole milliseconds 0..1000", value);
        }
        options.toleranceMs = tolerance;
    } else {
        return "unknown option " + name;
    }
    return {};
}

std::string parseArguments(const std::vector<std::string>& args, CheckOptions& options) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) == 0) {
            if (std::string error = parseOption(args, i, options); !error.empty()) return error;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) return "expected a log file and a text";
    options.logPath = positional[0];
    options.text = positional[1];
    return {};
}

void printFigures(std::ostream& out, const char* name, const ErrorFigures& figures) {
    out << name << ": " << figures.count << ", error median " << figures.medianMs
        << " ms, 99th percentile " << figures.percentile99Ms << " ms, worst " << figures.worstMs
        << " ms, over 2 ms " << figures.over2Ms << "\n";
}

bool withinTolerance(const KeyingComparison& result, double toleranceMs) {
    if (toleranceMs < 0) return true;
    return result.elements.worstMs <= toleranceMs && result.gaps.worstMs <= toleranceMs &&
           result.ptt.worstMs <= toleranceMs;
}

}  // namespace

std::string_view keyingCheckHelp() {
    return "qstn keying-check [options] LOG TEXT\n"
           "  Compares the line changes recorded in LOG with the keying engine's ideal\n"
           "  timing for TEXT and prints the errors of elements, gaps and PTT.\n"
           "  --format usbif4cw|modem-lines  the test usbif4cw.dll's log (default) or\n"
           "                                 the modem-line recorder's\n"
           "  --key-line RTS|DTR             the keying line of a modem-line log (RTS)\n"
           "  --cpm N                        speed, 25..180 in steps of 5 (100)\n"
           "  --lead-ms N                    PTT lead: 0, 25, 50, 100 or 200 (0)\n"
           "  --weights DDDD                 the option string's weight digits for dot,\n"
           "                                 dash, character and word space (1123)\n"
           "  --tolerance-ms N               fail when any error exceeds N ms\n"
           "  Exit status 0 when the same changes came in the same order (and within\n"
           "  the tolerance), 1 otherwise, 2 for bad arguments.\n";
}

int keyingCheckCommand(const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err) {
    CheckOptions options;
    if (const std::string error = parseArguments(args, options); !error.empty()) {
        err << "qstn keying-check: " << error << "\n" << keyingCheckHelp();
        return 2;
    }
    std::ifstream log(options.logPath);
    if (!log) {
        err << "qstn keying-check: " << options.logPath << ": cannot read the file\n";
        return 2;
    }
    const auto measured = readKeyingLog(log, options.format, options.keyLine);
    const auto ideal = idealKeying(fromUtf8(options.text), options.speedIndex, options.pttLeadMs,
                                   fromUtf8(options.weights));
    const KeyingComparison result = compareKeying(measured, ideal);
    out << std::fixed << std::setprecision(2);
    out << "changes: measured " << result.measuredChanges << ", ideal " << result.idealChanges
        << ", same sequence: " << (result.sameSequence ? "yes" : "no") << '\n';
    printFigures(out, "elements", result.elements);
    printFigures(out, "gaps", result.gaps);
    printFigures(out, "ptt", result.ptt);
    if (result.leadMs >= 0) out << "lead: " << result.leadMs << " ms\n";
    return result.sameSequence && withinTolerance(result, options.toleranceMs) ? 0 : 1;
}

}  // namespace qs::tools
