// How the adaptive decoder finds and holds a weak signal's tone: the search
// locks on any peak that would open the squelch, and the squelch opens only
// on the locked tone.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "rx/signal_squelch.h"
#include "rx/tone_search.h"
#include "tests/support/adaptive_listener.h"
#include "tests/support/cw_signal.h"
#include "tests/support/test_signals.h"

namespace qs::rx {
namespace {

constexpr const char* kText = "CQ CQ DE JA1ABC JA1ABC K JR2XYZ DE JA1ABC GM UR RST 599 BK";

// A steady tone at `amplitude` in white noise, block by block: wherever the
// peak stands out as far as the squelch wants, it is locked.
TEST(ToneSearchLock, EveryPeakThatWouldOpenTheSquelchIsLocked) {
    int prominentBlocks = 0;
    for (const double amplitude : {40.0, 46.0, 50.0, 53.0, 56.0, 62.0, 70.0}) {
        ToneSearch search;
        test::WhiteNoise noise(300.0, static_cast<unsigned>(amplitude));
        for (int k = 0; k < 60; ++k) {
            SampleBlock block{};
            for (int i = 0; i < kBlockSamples; ++i) {
                const double n = static_cast<double>(k) * kBlockSamples + i;
                block[i] = amplitude * std::sin(2.0 * test::kPi * 731.0 * n / kSampleRate);
            }
            noise.add(block);
            search.update(block, kMinToneBin, kMaxToneBin, false);
            if (search.prominenceDb() < SignalSquelch::kOpenProminenceDb) continue;
            ++prominentBlocks;
            EXPECT_TRUE(search.locked()) << amplitude << " at block " << k;
        }
    }
    EXPECT_GT(prominentBlocks, 50);  // the table reaches across the limit
}

struct Track {
    int openBlocks = 0;
    double worstOpenOffsetHz = 0.0;  // of the filter's tone while the squelch is open
};

// Decodes block by block and watches the filter's tone while the squelch
// is open.
Track track(const std::vector<double>& samples, double toneHz) {
    test::AdaptiveListener listener;
    Track result;
    listener.listen(samples, [&] {
        const AdaptiveDecoder& decoder = listener.decoder();
        if (!decoder.squelchOpen()) return;
        ++result.openBlocks;
        result.worstOpenOffsetHz =
            std::max(result.worstOpenOffsetHz, std::abs(decoder.toneHz() - toneHz));
    });
    return result;
}

// Signals so weak that their peak is found only after seconds, at tones
// between bins: while the squelch is open the filter sits on the tone, so
// what is read is the signal and not the noise at a tone found earlier.
TEST(AdaptiveTone, TheSquelchOpensOnlyOnTheTrackedToneOfAWeakSignal) {
    struct Case {
        double cpm;
        double toneHz;
        double snrDb;
        std::uint32_t seed;
    };
    const Case cases[] = {
        {110, 744, -9.0, 21},
        {150, 431, -9.0, 22},
        {80, 823, -10.0, 23},
        {130, 512, -11.0, 24},
    };
    int opened = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cpm << "/Min, " << c.toneHz << " Hz, " << c.snrDb);
        test::CwSignal signal = test::noisyCwSignal(c.cpm, c.toneHz, c.snrDb, c.seed);
        signal.trailingSilenceS = 0.0;
        const std::vector<double> samples = test::cwAudio(kText, signal);
        const Track result = track(samples, c.toneHz);
        opened += result.openBlocks > 0;
        EXPECT_LT(result.worstOpenOffsetHz, 20.0);
    }
    EXPECT_GE(opened, 3);
}

}  // namespace
}  // namespace qs::rx
