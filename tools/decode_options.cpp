#include "tools/decode_options.h"

#include "rx/manual_speed.h"
#include "rx/tone_tables.h"
#include "tools/argument_values.h"

namespace qs::tools {

namespace {

constexpr int kMaxDisplayWidthPx = 4096;

std::string setChannel(std::string_view value, DecodeOptions& options) {
    if (value == "left") {
        options.channel = Channel::Left;
    } else if (value == "right") {
        options.channel = Channel::Right;
    } else {
        return badOptionValue("channel", "left or right", value);
    }
    return {};
}

std::string setTone(std::string_view value, DecodeOptions& options) {
    if (value == "auto") {
        options.toneAuto = true;
        return {};
    }
    if (!parseIntInRange(value, rx::kMinToneBin, rx::kMaxToneBin, options.toneBin)) {
        return badOptionValue("tone", "auto or a bin 8..44", value);
    }
    options.toneAuto = false;
    return {};
}

std::string setNoiseReduction(std::string_view value, DecodeOptions& options) {
    if (value == "off") {
        options.noiseReduction = NoiseReduction::Off;
    } else if (value == "1") {
        options.noiseReduction = NoiseReduction::Nr1;
    } else if (value == "2") {
        options.noiseReduction = NoiseReduction::Nr2;
    } else {
        return badOptionValue("nr", "off, 1 or 2", value);
    }
    return {};
}

std::string setThreshold(std::string_view value, DecodeOptions& options) {
    if (!parseIntInRange(value, rx::kMinLevelDb, rx::kMaxLevelDb, options.thresholdDb)) {
        return badOptionValue("threshold", "decibels -90..0", value);
    }
    return {};
}

std::string setGain(std::string_view value, DecodeOptions& options) {
    if (!parseIntInRange(value, rx::kMinGainPosition, rx::kMaxGainPosition, options.gainPosition)) {
        return badOptionValue("gain", "a position 1..11", value);
    }
    return {};
}

std::string setSpeed(std::string_view value, DecodeOptions& options) {
    if (value == "auto") {
        options.speedAuto = true;
        return {};
    }
    if (!parseIntInRange(value, 0, rx::kSpeedSteps - 1, options.speedIndex)) {
        return badOptionValue("speed", "auto or an index 0..31", value);
    }
    options.speedAuto = false;
    return {};
}

std::string setDisplayWidth(std::string_view value, DecodeOptions& options) {
    if (!parseIntInRange(value, 1, kMaxDisplayWidthPx, options.displayWidthPx)) {
        return badOptionValue("display-width", "pixels 1..4096", value);
    }
    return {};
}

std::string setTrace(std::string_view value, DecodeOptions& options) {
    if (value.empty()) return badOptionValue("trace", "a file name", value);
    options.tracePath = std::string(value);
    return {};
}

std::string setDecoder(std::string_view value, DecodeOptions& options) {
    if (value == "adaptive") {
        options.adaptiveDecoder = true;
    } else if (value == "builtin") {
        options.adaptiveDecoder = false;
    } else {
        return badOptionValue("decoder", "adaptive or builtin", value);
    }
    return {};
}

struct ValueOption {
    std::string_view name;
    std::string (*set)(std::string_view value, DecodeOptions& options);
};

constexpr ValueOption kValueOptions[] = {
    {"channel", setChannel},
    {"tone", setTone},
    {"nr", setNoiseReduction},
    {"threshold", setThreshold},
    {"gain", setGain},
    {"speed", setSpeed},
    {"display-width", setDisplayWidth},
    {"trace", setTrace},
    {"decoder", setDecoder},
};

struct FlagOption {
    std::string_view name;
    bool DecodeOptions::*flag;
};

constexpr FlagOption kFlagOptions[] = {
    {"qrm", &DecodeOptions::qrmOn},
    {"auto-threshold", &DecodeOptions::autoThreshold},
};

const FlagOption* findFlagOption(std::string_view name) {
    for (const FlagOption& option : kFlagOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

const ValueOption* findValueOption(std::string_view name) {
    for (const ValueOption& option : kValueOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

// Handles the option at args[index] (and its value); advances index.
std::string parseOption(const std::vector<std::string>& args, std::size_t& index,
                        DecodeOptions& options) {
    const std::string_view arg = args[index];
    std::string_view name = arg.substr(2);
    const std::size_t equals = name.find('=');
    const bool inlineValue = equals != std::string_view::npos;
    if (inlineValue) name = name.substr(0, equals);

    if (const ValueOption* option = findValueOption(name)) {
        if (inlineValue) return option->set(arg.substr(3 + equals), options);
        if (index + 1 >= args.size()) return "--" + std::string(name) + " needs a value";
        return option->set(args[++index], options);
    }
    if (const FlagOption* option = findFlagOption(name)) {
        if (inlineValue) return "--" + std::string(name) + " takes no value";
        options.*(option->flag) = true;
        return {};
    }
    return "unknown option " + std::string(arg);
}

}  // namespace

DecodeArguments parseDecodeArguments(const std::vector<std::string>& args) {
    DecodeArguments parsed;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < args.size() && parsed.error.empty(); ++index) {
        const std::string& arg = args[index];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.helpWanted = true;
        } else if (arg.compare(0, 2, "--") == 0) {
            parsed.error = parseOption(args, index, parsed.options);
        } else {
            parsed.error = "unknown option " + arg;
        }
    }
    if (parsed.error.empty() && !parsed.helpWanted) {
        if (files.empty()) parsed.error = "no recording given";
        if (files.size() > 1) parsed.error = "more than one recording given: " + files[1];
        if (files.size() == 1) parsed.options.wavPath = files.front();
    }
    return parsed;
}

void applyDecodeOptions(const DecodeOptions& options, rx::ReceiveSettings& settings) {
    settings.toneIndex = options.toneBin;
    settings.toneAuto = options.toneAuto;
    settings.nr1On = options.noiseReduction == NoiseReduction::Nr1;
    settings.nr2On = options.noiseReduction == NoiseReduction::Nr2;
    settings.qrmOn = options.qrmOn;
    settings.inputGain = rx::inputGainForPosition(options.gainPosition);
    settings.thresholdDb = options.thresholdDb;
    settings.autoThreshold = options.autoThreshold;
    settings.speedAuto = options.speedAuto;
    settings.adaptiveDecoder = options.adaptiveDecoder;
    if (!options.speedAuto) {
        settings.rxSpeedIndex = options.speedIndex;
        settings.dotDashLimit = rx::manualLimitHops(options.speedIndex);
        settings.letterGapLimit = rx::manualLimitHops(options.speedIndex);
    }
}

std::string_view decodeHelp() {
    return R"(usage: qstn decode [options] FILE.wav

Runs the receive path over a recording and prints the decoded text as the
receive window would show it (blanks included), followed by one newline.
The recording is a 16-bit PCM WAV file, mono or stereo, at 8000 to 48000
samples per second; other rates than 11025 are resampled to 11025.
Samples go to the receive path in blocks of 1024; a partial last block is
dropped. The defaults are the terminal's state at start.

options:
  --channel left|right   channel of a stereo file (left); a mono file has
                         only its left channel
  --tone BIN|auto        tone bin 8..44 of 11025/512 Hz (28 = 603 Hz), or
                         the automatic tone (28)
  --nr off|1|2           noise reduction: off, once or twice (2)
  --qrm                  comb filter at the tone period (off)
  --threshold DB         detection threshold, -90..0 dB (-45)
  --auto-threshold       automatic threshold (off)
  --gain POS             input slider position 1..11 (6): gain 0.025, 0.05,
                         0.1, 0.3, 0.7, 1, 7, 15, 30, 60, 100
  --speed auto|INDEX     automatic speed (auto), or a fixed speed index
                         0..31 meaning 25 + 5 * INDEX characters per minute
  --display-width W      level display width in pixels, 1..4096 (176); the
                         automatic threshold updates every 2 * W hops
  --decoder builtin|adaptive
                         the terminal's built-in decoder (builtin), or the
                         adaptive one, which finds the tone (within two bins
                         of --tone unless --tone auto), the threshold and the
                         speed itself and prints nothing on noise alone;
                         --nr, --qrm, --threshold, --auto-threshold and
                         --speed do not apply to it
  --trace FILE           write one line per hop of 32 samples:
                           hop level key dotDashLimit letterGapLimit
                           thresholdDb toneIndex
                         (level in dB after conditioning, key 0 or 1), and
                         '#' lines for events: decoded text, word spaces,
                         speed estimates, automatic threshold and tone
  -h, --help             show this help

exit status: 0 decoded, 2 bad options or a file that cannot be decoded
)";
}

}  // namespace qs::tools
