#include "tools/encode_options.h"

#include <iterator>

#include "tools/argument_values.h"

namespace qs::tools {

namespace {

constexpr int kMinSnrDb = -10;
constexpr int kMaxSnrDb = 60;
constexpr int kMaxSeed = 2147483647;

constexpr int kWeightTableSizes[] = {
    static_cast<int>(std::size(tx::kDotWeights)),
    static_cast<int>(std::size(tx::kDashWeights)),
    static_cast<int>(std::size(tx::kCharSpaceWeights)),
    static_cast<int>(std::size(tx::kWordSpaceWeights)),
};

std::string setSpeed(std::string_view value, EncodeOptions& options) {
    if (!parseIntInRange(value, 0, tx::kTxSpeedSteps - 1, options.speedIndex)) {
        return badOptionValue("speed", "an index 0..31 (25 + 5 * INDEX per minute)", value);
    }
    return {};
}

std::string setWeights(std::string_view value, EncodeOptions& options) {
    const std::string expected = "DOT,DASH,CSPACE,WSPACE indexes 0..5, 0..8, 0..5, 0..5";
    WeightIndexes indexes{};
    std::string_view rest = value;
    for (std::size_t k = 0; k < indexes.size(); ++k) {
        const std::size_t comma = k + 1 < indexes.size() ? rest.find(',') : rest.size();
        if (comma == std::string_view::npos) return badOptionValue("weights", expected, value);
        if (!parseIntInRange(rest.substr(0, comma), 0, kWeightTableSizes[k] - 1, indexes[k])) {
            return badOptionValue("weights", expected, value);
        }
        rest.remove_prefix(comma == rest.size() ? comma : comma + 1);
    }
    options.weights = indexes;
    return {};
}

std::string setLead(std::string_view value, EncodeOptions& options) {
    if (value == "OFF" || value == "off") {
        options.pttLeadMs = 0;
        return {};
    }
    int leadMs = 0;
    const bool known = parseIntInRange(value, 25, 200, leadMs) &&
                       (leadMs == 25 || leadMs == 50 || leadMs == 100 || leadMs == 200);
    if (!known) return badOptionValue("lead", "OFF, 25, 50, 100 or 200", value);
    options.pttLeadMs = leadMs;
    return {};
}

std::string setTone(std::string_view value, EncodeOptions& options) {
    if (!parseIntInRange(value, kMinEncodeToneHz, kMaxEncodeToneHz, options.toneHz)) {
        return badOptionValue("tone", "hertz 172..948", value);
    }
    return {};
}

std::string setSnr(std::string_view value, EncodeOptions& options) {
    int snrDb = 0;
    if (!parseIntInRange(value, kMinSnrDb, kMaxSnrDb, snrDb)) {
        return badOptionValue("snr", "whole decibels -10..60", value);
    }
    options.snrDb = snrDb;
    return {};
}

std::string setSeed(std::string_view value, EncodeOptions& options) {
    if (!parseIntInRange(value, 0, kMaxSeed, options.seed)) {
        return badOptionValue("seed", "a number 0..2147483647", value);
    }
    return {};
}

std::string setOutput(std::string_view value, EncodeOptions& options) {
    if (value.empty()) return badOptionValue("output", "a file name", value);
    options.wavPath = std::string(value);
    return {};
}

struct ValueOption {
    std::string_view name;
    std::string (*set)(std::string_view value, EncodeOptions& options);
};

constexpr ValueOption kValueOptions[] = {
    {"speed", setSpeed}, {"weights", setWeights}, {"lead", setLead},     {"tone", setTone},
    {"snr", setSnr},     {"seed", setSeed},       {"output", setOutput},
};

const ValueOption* findValueOption(std::string_view name) {
    for (const ValueOption& option : kValueOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

// Handles the option at args[index] (and its value); advances index. "-o"
// is "--output".
std::string parseOption(const std::vector<std::string>& args, std::size_t& index,
                        EncodeOptions& options) {
    const std::string_view arg = args[index];
    std::string_view name = arg == "-o" ? "output" : arg.substr(2);
    const std::size_t equals = name.find('=');
    const bool inlineValue = equals != std::string_view::npos;
    if (inlineValue) name = name.substr(0, equals);

    if (name == "timeline") {
        if (inlineValue) return "--timeline takes no value";
        options.printTimeline = true;
        return {};
    }
    const ValueOption* option = findValueOption(name);
    if (option == nullptr) return "unknown option " + std::string(arg);
    if (inlineValue) return option->set(arg.substr(3 + equals), options);
    if (index + 1 >= args.size()) return std::string(arg) + " needs a value";
    return option->set(args[++index], options);
}

bool isOption(const std::string& arg) {
    return arg == "-o" || (arg.size() > 2 && arg.compare(0, 2, "--") == 0);
}

}  // namespace

EncodeArguments parseEncodeArguments(const std::vector<std::string>& args) {
    EncodeArguments parsed;
    std::vector<std::string> texts;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < args.size() && parsed.error.empty(); ++index) {
        const std::string& arg = args[index];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            texts.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.helpWanted = true;
        } else if (isOption(arg)) {
            parsed.error = parseOption(args, index, parsed.options);
        } else {
            parsed.error = "unknown option " + arg;
        }
    }
    if (!parsed.error.empty() || parsed.helpWanted) return parsed;
    if (texts.empty()) {
        parsed.error = "no text given";
    } else if (texts.size() > 1) {
        parsed.error = "more than one text given (quote the text): " + texts[1];
    } else if (parsed.options.wavPath.empty()) {
        parsed.error = "no output file given (-o OUT.wav)";
    } else {
        parsed.options.text = texts.front();
    }
    return parsed;
}

tx::KeyingWeights weightsAt(const WeightIndexes& indexes) {
    return {tx::kDotWeights[indexes[0]], tx::kDashWeights[indexes[1]],
            tx::kCharSpaceWeights[indexes[2]], tx::kWordSpaceWeights[indexes[3]]};
}

std::string_view encodeHelp() {
    return R"(usage: qstn encode [options] -o OUT.wav "TEXT"

Sends TEXT through the terminal's keying engine on a virtual clock and
writes the keyed line as a tone: 11025 samples per second, 16-bit mono,
5 ms raised-cosine edges, peak -18 dB of full scale. The transmit box takes
capitals only, so letters a to z are sent as A to Z; characters the send
table lacks are skipped (and named on stderr), as the terminal does. The
file starts when the keying timer starts (the first element follows 114 ms
later, after the PTT lead if any) and ends 1 s after the text is sent.

options:
  -o, --output FILE      the WAV file to write (required)
  --speed INDEX          speed index 0..31: 25 + 5 * INDEX characters per
                         minute (15 = 100/Min, a 60 ms dot)
  --weights D,A,C,W      indexes into the weight tables (1,1,2,3):
                           dot     0..5  0.9 1.0 1.1 1.2 1.3 1.5
                           dash    0..8  2.8 3.0 3.2 3.4 3.6 3.8 4.0 4.2 4.5
                           C_Space 0..5  2.6 2.8 3.0 3.5 4.0 5.0
                           W_Space 0..5  4.0 5.0 6.0 7.0 8.0 9.0
  --lead OFF|25|50|100|200
                         PTT lead time in ms (OFF)
  --tone HZ              tone frequency, 172..948 Hz (600; the receive
                         tone bin 28 is 603 Hz)
  --snr DB               add white noise: tone power over noise power
                         across the whole band, -10..60 dB (no noise)
  --seed N               noise seed, 0..2147483647 (1); the same seed
                         gives the same file
  --timeline             print one line per engine event: the time in ms
                         from the start of the file, then KEY_DOWN,
                         KEY_UP, PTT_ON, PTT_OFF or ECHO and the character
  -h, --help             show this help

exit status: 0 written, 2 bad options or the file cannot be written
)";
}

}  // namespace qs::tools
