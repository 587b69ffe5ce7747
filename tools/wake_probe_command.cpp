#include "tools/wake_probe_command.h"

#include <chrono>
#include <iomanip>
#include <thread>

#include "tools/argument_values.h"
#include "tools/keying_check.h"

namespace qs::tools {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMaxSeconds = 3600;

struct ProbeOptions {
    int seconds = 60;
    int periodMs = 1;
};

std::string parseArguments(const std::vector<std::string>& args, ProbeOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) return name + ": a value is missing";
        const std::string& value = args[++i];
        if (name == "--seconds") {
            if (!parseIntInRange(value, 1, kMaxSeconds, options.seconds)) {
                return badOptionValue(name, "whole seconds 1..3600", value);
            }
        } else if (name == "--period-ms") {
            if (!parseIntInRange(value, 1, 1000, options.periodMs)) {
                return badOptionValue(name, "whole milliseconds 1..1000", value);
            }
        } else {
            return "unknown option " + name;
        }
    }
    return {};
}

}  // namespace

std::vector<double> measureWakeLatenessMs(int seconds, int periodMs) {
    const auto period = std::chrono::milliseconds(periodMs);
    const size_t wakeUps = static_cast<size_t>(seconds) * 1000 / static_cast<size_t>(periodMs);
    std::vector<double> latenessMs;
    latenessMs.reserve(wakeUps);
    auto deadline = Clock::now();
    for (size_t i = 0; i < wakeUps; ++i) {
        deadline += period;
        // Some runtimes end the sleep a little early (MinGW's rounds to
        // whole milliseconds): sleep again until the deadline has passed.
        while (Clock::now() < deadline) std::this_thread::sleep_until(deadline);
        const auto late = Clock::now() - deadline;
        latenessMs.push_back(std::chrono::duration<double, std::milli>(late).count());
        // A wake-up later than the period does not make the next ones count
        // its delay again.
        if (late > period) deadline = Clock::now();
    }
    return latenessMs;
}

std::string_view wakeProbeHelp() {
    return "qstn wake-probe [options]\n"
           "  Sleeps until each next period's deadline and prints how late the\n"
           "  wake-ups came: median, 99th percentile, worst and how many over 2 ms.\n"
           "  --seconds N    how long, 1..3600 (60)\n"
           "  --period-ms N  the time between deadlines, 1..1000 (1)\n";
}

int wakeProbeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ProbeOptions options;
    if (const std::string error = parseArguments(args, options); !error.empty()) {
        err << "qstn wake-probe: " << error << "\n" << wakeProbeHelp();
        return 2;
    }
    const ErrorFigures figures =
        errorFigures(measureWakeLatenessMs(options.seconds, options.periodMs));
    out << std::fixed << std::setprecision(2) << "wake-ups: " << figures.count
        << ", lateness median " << figures.medianMs << " ms, 99th percentile "
        << figures.percentile99Ms << " ms, worst " << figures.worstMs << " ms, over 2 ms "
        << figures.over2Ms << "\n";
    return 0;
}

}  // namespace qs::tools
