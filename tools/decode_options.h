#pragma once
// The options of `qstn decode` and how they set up the receive path. The
// defaults are the terminal's built-in state at start.

#include <string>
#include <string_view>
#include <vector>

#include "rx/receive_constants.h"
#include "rx/receive_settings.h"
#include "rx/tone_tables.h"
#include "tools/sample_source.h"

namespace qs::tools {

enum class NoiseReduction { Off, Nr1, Nr2 };

struct DecodeOptions {
    std::string wavPath;
    std::string tracePath;  // empty: no trace
    Channel channel = Channel::Left;
    bool toneAuto = false;
    int toneBin = rx::kDefaultToneBin;
    NoiseReduction noiseReduction = NoiseReduction::Nr2;
    bool qrmOn = false;
    int thresholdDb = -45;
    bool autoThreshold = false;
    int gainPosition = rx::kDefaultGainPosition;  // input slider, 1..11
    bool speedAuto = true;
    int speedIndex = rx::kDefaultSpeedIndex;  // used when speedAuto is off
    int displayWidthPx = 176;                 // level display width: paces the automatic threshold
    bool adaptiveDecoder = false;             // the adaptive decoder instead of the built-in one
};

struct DecodeArguments {
    DecodeOptions options;
    bool helpWanted = false;
    std::string error;  // one line; empty when the arguments are valid
};

// Parses the arguments that follow "decode". Options take their value as
// the next argument or after '='; "--" ends the options.
DecodeArguments parseDecodeArguments(const std::vector<std::string>& args);

// The text of `qstn decode --help`.
std::string_view decodeHelp();

// Puts the options into the settings the receive chain reads.
void applyDecodeOptions(const DecodeOptions& options, rx::ReceiveSettings& settings);

}  // namespace qs::tools
