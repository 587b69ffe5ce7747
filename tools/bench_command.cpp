#include "tools/bench_command.h"

#include <charconv>
#include <chrono>
#include <iomanip>
#include <memory>

#include "rx/display_canvas.h"
#include "rx/receive_chain.h"
#include "tests/support/morse_audio.h"

namespace qs::tools {

namespace {

constexpr int kWarmUpBlocks = 20;
constexpr int kDefaultBlocks = 500;
constexpr int kMaxBlocks = 1000000;
constexpr double kBlockDurationMs = 1000.0 * rx::kBlockSamples / rx::kSampleRate;

class DiscardText : public rx::DecodedTextSink {
public:
    void appendReceived(TextView) override {}
    void appendWordSpace() override {}
};

std::vector<double> benchAudio() {
    test::MorseSignal signal;
    signal.charsPerMinute = 100.0;
    signal.toneHz = 603.0;
    signal.amplitude = 6000.0;
    signal.noiseRms = 2000.0;
    signal.seed = 7;
    return test::morseAudio("CQ CQ DE JA1ABC JA1ABC K", signal);
}

bool parseBlocks(const std::vector<std::string>& args, int& blocks, std::string& error) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (args[k] != "--blocks" || k + 1 >= args.size()) {
            error =
                args[k] == "--blocks" ? "--blocks needs a value" : "unknown argument " + args[k];
            return false;
        }
        const std::string& value = args[++k];
        const auto result = std::from_chars(value.data(), value.data() + value.size(), blocks);
        if (result.ec != std::errc() || result.ptr != value.data() + value.size() || blocks < 1 ||
            blocks > kMaxBlocks) {
            error = "--blocks: expected a count 1..1000000, got \"" + value + "\"";
            return false;
        }
    }
    return true;
}

// Milliseconds per block, over `blocks` blocks after the warm-up.
double timeChain(int blocks) {
    rx::ReceiveSettings settings;
    settings.nr1On = false;
    settings.nr2On = true;
    settings.qrmOn = true;
    DiscardText text;
    rx::NoIndicators indicators;
    rx::BlindCanvas levelCanvas(176, 55);
    rx::BlindCanvas spectrumCanvas(176, 55);
    auto chain = std::make_unique<rx::ReceiveChain>(
        settings, rx::ReceiveChain::Outputs{text, indicators, levelCanvas, spectrumCanvas});

    const std::vector<double> audio = benchAudio();
    std::size_t position = 0;
    const auto feedBlock = [&] {
        for (double& sample : chain->rawBlock()) {
            sample = audio[position];
            position = (position + 1) % audio.size();
        }
        chain->processBlock();
    };
    for (int k = 0; k < kWarmUpBlocks; ++k) feedBlock();
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < blocks; ++k) feedBlock();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / blocks;
}

}  // namespace

std::string_view benchHelp() {
    return R"(usage: qstn bench [--blocks N]

Times the whole receive path (median and comb filter, block spectrum, 32
hops with two noise-reduction passes, key detection, decoding) over noisy
generated Morse: N blocks of 1024 samples (500) after 20 blocks of warm-up.
Prints the time per block in milliseconds and the real-time factor, the
92.9 ms a block lasts divided by that time.
)";
}

int benchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << benchHelp();
        return 0;
    }
    int blocks = kDefaultBlocks;
    std::string error;
    if (!parseBlocks(args, blocks, error)) {
        err << "qstn bench: " << error << "\nusage: qstn bench [--blocks N]\n";
        return 2;
    }
    const double msPerBlock = timeChain(blocks);
    out << "blocks: " << blocks << " of " << rx::kBlockSamples << " samples, NR2 and QRM on\n"
        << std::fixed << std::setprecision(3) << "time per block: " << msPerBlock << " ms\n"
        << std::setprecision(1) << "real-time factor: " << kBlockDurationMs / msPerBlock
        << '\n';
    return 0;
}

}  // namespace qs::tools
