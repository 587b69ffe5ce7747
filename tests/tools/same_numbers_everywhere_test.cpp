// The receive chain must compute bit-identical doubles on the native build
// and on 32-bit Windows. This test fingerprints every hop magnitude and every
// spectrum value of the demo recording; the same constant must come out on
// both builds (the Windows test run under Wine checks the other side).

#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "rx/receive_indicators.h"
#include "rx/tone_detector.h"
#include "tests/support/source_tree.h"
#include "tools/sample_source.h"

namespace qs::tools {
namespace {

// FNV-1a over the bit patterns of doubles.
class Fingerprint : public rx::SpectrumListener, public rx::HopListener {
public:
    void onBlockSpectrum(const rx::SpectrumMagnitudes& magnitudes) override {
        for (double m : magnitudes) add(m);
    }
    void onHop(double toneMagnitude) override { add(toneMagnitude); }
    std::uint64_t value() const { return hash_; }

private:
    void add(double value) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i) {
            hash_ ^= (bits >> (8 * i)) & 0xFF;
            hash_ *= 0x100000001B3ULL;
        }
    }
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

std::uint64_t fingerprintDemo(bool nr2, bool qrm, double gain) {
    WavSampleSource source;
    EXPECT_TRUE(source.open(test::sourceTreePath("assets/demo/qso.wav"), Channel::Left).ok());
    rx::ReceiveSettings settings;
    settings.nr2On = nr2;
    settings.nr1On = !nr2;
    settings.qrmOn = qrm;
    settings.toneAuto = true;
    settings.inputGain = gain;
    rx::NoIndicators indicators;
    rx::ToneDetector detector(settings, indicators);
    Fingerprint fingerprint;
    rx::SampleBlock block;
    for (int n = 0; n < 40 && source.nextBlock(block); ++n) {
        detector.processBlock(block, fingerprint, fingerprint);
    }
    return fingerprint.value();
}

TEST(SameNumbersEverywhere, ToneDetectionOfTheDemoRecording) {
    EXPECT_EQ(fingerprintDemo(true, true, 7.0), 0xBA24843FA7FEF255ULL);
    EXPECT_EQ(fingerprintDemo(false, false, 1.0), 0x385EA4D53BE25C61ULL);
}

}  // namespace
}  // namespace qs::tools
