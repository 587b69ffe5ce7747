#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tools/wake_probe_command.h"

namespace qs::tools {
namespace {

int probe(const std::vector<std::string>& args, std::string& out) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int status = wakeProbeCommand(args, outStream, errStream);
    out = outStream.str() + errStream.str();
    return status;
}

// One wake-up per period, none of them early; a wake-up that comes later
// than a whole period (a stalled machine) is not counted again in the
// wake-ups after it.
TEST(WakeProbe, OneMeasureForEachDeadlineAndNoneEarly) {
    const auto latenessMs = measureWakeLatenessMs(1, 20);
    ASSERT_EQ(latenessMs.size(), 50u);
    EXPECT_GE(*std::min_element(latenessMs.begin(), latenessMs.end()), 0.0);
}

TEST(WakeProbe, ArgumentsOutsideTheirRangesAreRefused) {
    std::string out;
    for (const auto& args : std::vector<std::vector<std::string>>{{"--seconds", "0"},
                                                                  {"--seconds", "3601"},
                                                                  {"--period-ms", "0"},
                                                                  {"--period-ms", "1001"},
                                                                  {"--seconds"},
                                                                  {"--rate", "1"}}) {
        EXPECT_EQ(probe(args, out), 2) << args[0];
    }
    EXPECT_EQ(probe({"--seconds", "1", "--period-ms", "1000"}, out), 0);
    EXPECT_NE(out.find("wake-ups: 1,"), std::string::npos) << out;
}

}  // namespace
}  // namespace qs::tools
