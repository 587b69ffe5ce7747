#include "tools/bench_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qs::tools {
namespace {

TEST(BenchCommand, ReportsTimePerBlockAndRealTimeFactor) {
    std::ostringstream out, err;
    EXPECT_EQ(benchCommand({"--blocks", "3"}, out, err), 0);
    EXPECT_NE(out.str().find("blocks: 3 of 1024 samples"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("time per block: "), std::string::npos);
    EXPECT_NE(out.str().find("real-time factor: "), std::string::npos);
    EXPECT_EQ(err.str(), "");

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--blocks"}, {"--blocks", "0"}, {"--fast"}}) {
        std::ostringstream badOut, badErr;
        EXPECT_EQ(benchCommand(bad, badOut, badErr), 2);
        EXPECT_NE(badErr.str().find("usage: qstn bench"), std::string::npos);
    }
}

}  // namespace
}  // namespace qs::tools
