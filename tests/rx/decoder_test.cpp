#include "rx/decoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/recording_text_sink.h"

namespace qs::rx {
namespace {

using Entries = std::vector<std::string>;
const std::string kSpace = test::RecordingTextSink::kWordSpace;

constexpr int kThresholdDb = -45;
constexpr int kMarkDb = -44;
constexpr int kGapDb = kThresholdDb;  // a level equal to the threshold is a gap
// With both limits at their built-in 41 hops (100 per minute).
constexpr int kDotHops = 14;
constexpr int kDashHops = 50;
constexpr int kElementGapHops = 14;
constexpr int kLetterEndHops = 42;
constexpr int kFirstBlankHops = 103;  // truncate(41 x 2.5) = 102 hops pass first

class DecoderTest : public ::testing::Test {
protected:
    // Marks (positive) and gaps (negative), in hops.
    void feed(std::initializer_list<int> hops) {
        for (int h : hops) {
            const int levelDb = h > 0 ? kMarkDb : kGapDb;
            for (int i = 0; i < std::abs(h); ++i) decoder.decoderStep(levelDb, kThresholdDb);
        }
    }
    // "-.-." as dots and dashes with element gaps; no gap after the last.
    void key(std::string_view elements) {
        for (size_t i = 0; i < elements.size(); ++i) {
            if (i > 0) feed({-kElementGapHops});
            feed({elements[i] == '-' ? kDashHops : kDotHops});
        }
    }

    ReceiveSettings settings;
    test::RecordingTextSink sink;
    Decoder decoder{settings, sink};
};

TEST_F(DecoderTest, ShortMarkIsEAndLongMarkIsT) {
    // A mark of exactly the dot/dash limit is still a dot.
    feed({kDotHops, -kLetterEndHops, 41, -kLetterEndHops, 42, -kLetterEndHops});
    EXPECT_EQ(sink.entries, (Entries{"E", "E", "T"}));
}

TEST_F(DecoderTest, LetterEndsOnAGapLongerThanTheLimit) {
    feed({kDotHops, -41});
    EXPECT_TRUE(sink.entries.empty());
    feed({-1});
    EXPECT_EQ(sink.entries, Entries{"E"});
    // Inside a letter, a gap equal to the limit already counts as a letter gap.
    feed({kDotHops, -41, kDotHops, -kLetterEndHops});
    feed({kDotHops, -40, kDotHops, -kLetterEndHops});
    EXPECT_EQ(sink.entries, (Entries{"E", "E", "E", "I"}));
}

TEST_F(DecoderTest, RunTogetherSequencesReadFromTheTableOrSplit) {
    key("-.-.");
    feed({-30});  // shorter than the letter-gap limit: code 429
    key("--.-");
    feed({-kLetterEndHops});
    // -.-.- has no entry; its gap of 30 is at least 1.4 times the mean.
    key("-.-");
    feed({-30});
    key(".-");
    feed({-kLetterEndHops});
    // Eight even dots: the cut moves to the front until "....." decodes.
    key("........");
    feed({-kLetterEndHops});
    EXPECT_EQ(sink.entries, (Entries{"CQ", "K", "A", "5", "S"}));
    EXPECT_EQ(sink.shownText(), "CQKA5S");
}

TEST_F(DecoderTest, LettersAreReclassifiedWithTheLimitAtTheirEnd) {
    feed({30, -kElementGapHops, 20});  // two dots at the limit of 41...
    settings.dotDashLimit = 20;
    feed({-kLetterEndHops});  // ...but a dash and a dot at 20
    // A single element keeps the class it got when it ended.
    feed({30, -1});
    settings.dotDashLimit = 41;
    feed({-kLetterEndHops});
    EXPECT_EQ(sink.entries, (Entries{"N", "T"}));
}

TEST_F(DecoderTest, PausesYieldAtMostThreeBlanksUntilTheNextText) {
    feed({kDotHops, -(kFirstBlankHops - 1)});
    EXPECT_EQ(sink.shownText(), "E");
    feed({-1});
    EXPECT_EQ(sink.shownText(), "E ");
    feed({-410, -20000, kDashHops, -kFirstBlankHops});
    EXPECT_EQ(sink.shownText(), "E   T ");
}

TEST_F(DecoderTest, ResetDropsTheLetterAndRestartsTheBlanks) {
    feed({kDotHops, -410});
    key("-.-");
    decoder.requestReset();
    feed({-kLetterEndHops});
    EXPECT_EQ(sink.shownText(), "E   ");
    // The pause counts from the reset, and blanks are allowed again.
    feed({-(kFirstBlankHops - kLetterEndHops)});
    EXPECT_EQ(sink.shownText(), "E    ");
}

TEST_F(DecoderTest, MarkResetRestartsTheMarkBeingMeasured) {
    feed({40});
    decoder.requestMarkReset();
    feed({10, -kLetterEndHops});  // 50 hops in all, but measured as 10
    EXPECT_EQ(sink.entries, Entries{"E"});
}

TEST_F(DecoderTest, CountersPastFiveThousandDropToOneThousand) {
    settings.dotDashLimit = 1500;
    feed({5000, -kLetterEndHops, 5001, -kLetterEndHops});
    // Inside one letter a gap of 5000 hops is a letter gap, while one of 5001
    // is recorded as 1000, below the letter-gap limit of 2000.
    settings.letterGapLimit = 2000;
    settings.letterEndEnabled = false;
    feed({kDotHops, -5000, kDotHops, -kElementGapHops, kDotHops, -5001, kDotHops, -1});
    settings.letterEndEnabled = true;
    feed({-2000});
    EXPECT_EQ(sink.entries, (Entries{"T", "E", "E", "S"}));
}

TEST_F(DecoderTest, OverflowShowsThePartsAndTheNewestElementOpensTheNextLetter) {
    settings.letterEndEnabled = false;
    for (int i = 0; i < 9; ++i) {
        key("...");
        feed({-60});
    }
    key("..");
    feed({-60});
    key("-");  // the 30th element
    feed({-1});
    EXPECT_EQ(sink.shownText(), "SSSSSSSSSI");

    feed({-(kElementGapHops - 1)});
    key(".-");
    settings.letterEndEnabled = true;
    feed({-kLetterEndHops});
    EXPECT_EQ(sink.shownText(), "SSSSSSSSSIK");
}

TEST_F(DecoderTest, OverflowWithoutLetterGapsLosesNoElement) {
    settings.letterEndEnabled = false;
    key(std::string(59, '.'));
    settings.letterEndEnabled = true;
    feed({-kLetterEndHops});
    // Dots 1-29 and 30-58 are read at each overflow, in pieces of nine dots
    // ("HH") where the table has nothing longer; dot 59 at the letter end.
    EXPECT_EQ(sink.entries, (Entries{"HH", "HH", "HH", "I", "HH", "HH", "HH", "I", "E"}));
}

}  // namespace
}  // namespace qs::rx
