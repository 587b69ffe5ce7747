#include "rx/letter_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/recording_text_sink.h"

namespace qs::rx {
namespace {

using Entries = std::vector<std::string>;

TEST(ReadPart, CutsAtTheLastWidestGapOfAtLeastOnePointFourMeans) {
    struct Case {
        std::string_view elements;
        std::vector<int> gaps;  // gaps[j]: the gap before element j + 1
        Entries texts;
    } const cases[] = {
        // .-.- has no entry. Mean 12, 1.4 x 12 = 16.8 truncates to 16: a cut.
        {".-.-", {16, 10, 10}, {"E", "K"}},
        // Mean 11.67 (not 11): limit 16, so 15 is no cut and the end is tried.
        {".-.-", {15, 10, 10}, {"R", "T"}},
        {".-.-", {30, 1, 30}, {"R", "T"}},  // the last of equal widest gaps
        // The first cut leaves -.-.--, which has no entry either; its own gaps
        // (mean 11, limit 15) cut it before the gap of 15.
        {"--.-.--", {20, 10, 10, 15, 10, 10}, {"T", "K", "W"}},
    };
    for (const Case& c : cases) {
        int code = 1;
        for (char element : c.elements) code = code * 2 + (element == '-' ? 1 : 0);
        std::vector<int> gaps = c.gaps;
        gaps.insert(gaps.begin(), 0);  // entry 0 is not used
        test::RecordingTextSink sink;
        const int appended = readPart(code, static_cast<int>(c.elements.size()), gaps.data(), sink);
        EXPECT_EQ(sink.entries, c.texts) << c.elements;
        EXPECT_EQ(appended, static_cast<int>(sink.entries.size()));
    }
}

TEST(ReadLetter, EachPartIsReadWithItsOwnGaps) {
    // . | -.-.- | .-.- with letter gaps of 45: the middle part splits at its
    // gap of 30 into K and A; the last one has no gap wide enough (R, T).
    const int marks[] = {10, 50, 10, 50, 10, 50, 10, 50, 10, 50};
    const int gaps[] = {0, 45, 10, 10, 30, 10, 45, 15, 10, 10};
    test::RecordingTextSink sink;
    EXPECT_EQ(readLetter(marks, gaps, 10, 41, 41, sink), 5);
    EXPECT_EQ(sink.entries, (Entries{"E", "K", "A", "R", "T"}));
}

}  // namespace
}  // namespace qs::rx
