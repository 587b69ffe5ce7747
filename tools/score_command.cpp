#include "tools/score_command.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <iomanip>
#include <map>
#include <memory>

#include "rx/display_canvas.h"
#include "rx/receive_chain.h"
#include "tests/support/cw_corpus.h"
#include "tools/argument_values.h"
#include "tools/char_error_rate.h"

namespace qs::tools {

namespace {

constexpr int kMaxPerCondition = 50;

struct ScoreOptions {
    unsigned seed = 1;
    int perCondition = 3;
    bool showTexts = false;
    bool adaptiveOnly = false;  // the built-in decoder takes five times as long
    std::string condition;      // empty: every condition
};

// Collects what a decoder prints, as ASCII.
class CollectedText : public rx::DecodedTextSink {
  public:
    void appendReceived(TextView text) override {
        for (const char16_t c : text) text_ += c < 0x80 ? static_cast<char>(c) : '#';
    }
    void appendWordSpace() override { text_ += ' '; }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

struct Decoded {
    std::string text;
    double cpuS;
    double trackedCpm;  // the adaptive decoder's speed at the end
};

// The terminal's state at start with the automatic tone on.
Decoded decodeRecording(const std::vector<double>& samples, bool adaptive) {
    rx::ReceiveSettings settings;
    settings.toneAuto = true;
    settings.adaptiveDecoder = adaptive;
    CollectedText text;
    rx::NoIndicators indicators;
    rx::BlindCanvas levelCanvas(176, 55);
    rx::BlindCanvas spectrumCanvas(176, 55);
    auto chain = std::make_unique<rx::ReceiveChain>(
        settings, rx::ReceiveChain::Outputs{text, indicators, levelCanvas, spectrumCanvas});
    const std::clock_t start = std::clock();
    for (std::size_t first = 0; first + rx::kBlockSamples <= samples.size();
         first += rx::kBlockSamples) {
        std::copy_n(samples.begin() + first, rx::kBlockSamples, chain->rawBlock().begin());
        chain->processBlock();
    }
    const double cpuS = double(std::clock() - start) / CLOCKS_PER_SEC;
    return {text.text(), cpuS, chain->adaptiveDecoder().timing().charsPerMinute()};
}

struct Tally {
    CharErrors errors;
    void add(const CharErrors& more) {
        errors.edits += more.edits;
        errors.referenceLength += more.referenceLength;
    }
};

struct DecoderTotals {
    std::map<std::string, Tally> byCondition;
    Tally overall;
    double cpuS = 0.0;
    std::size_t noisePrinted = 0;
};

bool parseScoreArguments(const std::vector<std::string>& args, ScoreOptions& options,
                         std::string& error) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        const bool valued =
            args[k] == "--seed" || args[k] == "--per-condition" || args[k] == "--condition";
        if (args[k] == "--show") {
            options.showTexts = true;
            continue;
        }
        if (args[k] == "--adaptive-only") {
            options.adaptiveOnly = true;
            continue;
        }
        if (!valued) {
            error = "unknown argument " + args[k];
            return false;
        }
        if (k + 1 >= args.size()) {
            error = args[k] + " needs a value";
            return false;
        }
        int value = 0;
        if (args[k] == "--condition") {
            options.condition = args[k + 1];
        } else if (args[k] == "--seed" && parseIntInRange(args[k + 1], 0, 1000000, value)) {
            options.seed = static_cast<unsigned>(value);
        } else if (args[k] == "--per-condition" &&
                   parseIntInRange(args[k + 1], 1, kMaxPerCondition, value)) {
            options.perCondition = value;
        } else {
            error = args[k] + ": bad value \"" + args[k + 1] + "\"";
            return false;
        }
        ++k;
    }
    return true;
}

void printRow(std::ostream& out, const std::string& name, const CharErrors& builtin,
              const CharErrors& adaptive) {
    out << std::left << std::setw(24) << name << std::right << std::fixed << std::setprecision(1)
        << std::setw(9) << 100.0 * builtin.rate() << " %" << std::setw(9) << 100.0 * adaptive.rate()
        << " %\n";
}

void scoreOne(const test::CorpusRecording& recording, bool adaptive, const ScoreOptions& options,
              DecoderTotals& totals, std::ostream& out) {
    const Decoded decoded = decodeRecording(recording.signalChannel(), adaptive);
    totals.cpuS += decoded.cpuS;
    CharErrors errors;
    if (recording.text.empty()) {
        totals.noisePrinted += normalisedText(decoded.text).size();
    } else {
        errors = charErrors(decoded.text, recording.text);
        totals.byCondition[recording.condition].add(errors);
        totals.overall.add(errors);
    }
    if (!options.showTexts) return;
    out << (adaptive ? "  adaptive: " : "  builtin:  ") << normalisedText(decoded.text) << "\n    "
        << std::fixed << std::setprecision(1) << 100.0 * errors.rate() << " %";
    if (adaptive) out << ", ends at " << std::lround(decoded.trackedCpm) << "/Min";
    out << '\n';
}

}  // namespace

std::string_view scoreHelp() {
    return R"(usage: qstn score [--seed N] [--per-condition N] [--condition NAME] [--show]
                  [--adaptive-only]

Generates a corpus of CW recordings (seed 1; 3 recordings of about 20 s per
condition, speeds 40..180/Min and tones 400..850 Hz drawn from the seed,
and 60 s of noise alone) and decodes each with the built-in decoder and
with the adaptive one, both with the automatic tone. Prints the character
error rate (edit distance over the length of the sent text, blanks made
single) per condition and overall, the characters printed on noise alone,
and the processor seconds each decoder took per minute of audio.
--condition NAME decodes only the recordings of that condition (e.g.
"snr 0 dB"). --show also prints every sent and decoded text, its error
rate and the speed the adaptive decoder tracks at its end.
--adaptive-only skips the built-in decoder (its column then reads 0).
)";
}

int scoreCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << scoreHelp();
        return 0;
    }
    ScoreOptions options;
    std::string error;
    if (!parseScoreArguments(args, options, error)) {
        err << "qstn score: " << error
            << "\nusage: qstn score [--seed N] [--per-condition N] [--condition NAME] [--show]"
               " [--adaptive-only]\n";
        return 2;
    }
    const std::vector<test::CorpusRecording> corpus =
        test::buildCorpus(options.seed, options.perCondition);
    DecoderTotals builtin, adaptive;
    double audioS = 0.0;
    std::size_t scored = 0;
    std::vector<std::string> order;
    for (const test::CorpusRecording& recording : corpus) {
        if (!options.condition.empty() && recording.condition != options.condition) continue;
        if (order.empty() || order.back() != recording.condition)
            order.push_back(recording.condition);
        audioS += double(recording.left.size()) / rx::kSampleRate;
        ++scored;
        if (options.showTexts) {
            out << recording.condition << " (" << recording.charsPerMinute << "/Min, "
                << recording.toneHz << " Hz)\n  sent:     " << recording.text << '\n';
        }
        if (!options.adaptiveOnly) scoreOne(recording, false, options, builtin, out);
        scoreOne(recording, true, options, adaptive, out);
    }
    out << std::left << std::setw(24) << "condition" << std::right << std::setw(11) << "builtin"
        << std::setw(11) << "adaptive" << '\n';
    for (const std::string& condition : order) {
        if (adaptive.byCondition.count(condition) == 0) continue;
        printRow(out, condition, builtin.byCondition[condition].errors,
                 adaptive.byCondition[condition].errors);
    }
    printRow(out, "overall", builtin.overall.errors, adaptive.overall.errors);
    out << std::left << std::setw(24) << "noise alone, printed" << std::right << std::setw(9)
        << builtin.noisePrinted << "  " << std::setw(9) << adaptive.noisePrinted
        << "   characters\n";
    const double minutes = audioS / 60.0;
    out << std::left << std::setw(24) << "CPU per audio minute" << std::right
        << std::setprecision(3) << std::setw(9) << builtin.cpuS / minutes << " s" << std::setw(9)
        << adaptive.cpuS / minutes << " s\n"
        << scored << " recordings, " << std::setprecision(1) << minutes
        << " minutes of audio, seed " << options.seed << '\n';
    return 0;
}

}  // namespace qs::tools
