#pragma once
// The options of `qstn encode`. The defaults are the terminal's built-in
// keying: 100/Min, weights 1.0, 3.0, 3.0 and 7.0, no PTT lead.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tx/keying_timing.h"

namespace qs::tools {

// Indexes into the four weight tables (dot, dash, character space, word
// space), as the option string's characters 5 to 8 hold them.
using WeightIndexes = std::array<int, 4>;

inline constexpr WeightIndexes kDefaultWeightIndexes = {1, 1, 2, 3};
inline constexpr int kMinEncodeToneHz = 172;  // the receive tone table's range
inline constexpr int kMaxEncodeToneHz = 948;

struct EncodeOptions {
    std::string text;  // UTF-8, as given
    std::string wavPath;
    int speedIndex = tx::kDefaultTxSpeedIndex;
    WeightIndexes weights = kDefaultWeightIndexes;
    int pttLeadMs = 0;  // 0, 25, 50, 100 or 200
    int toneHz = 600;
    std::optional<int> snrDb;  // none: no noise
    int seed = 1;
    bool printTimeline = false;
};

struct EncodeArguments {
    EncodeOptions options;
    bool helpWanted = false;
    std::string error;  // one line; empty when the arguments are valid
};

// Parses the arguments that follow "encode". Options take their value as
// the next argument or after '='; "--" ends the options.
EncodeArguments parseEncodeArguments(const std::vector<std::string>& args);

// The text of `qstn encode --help`.
std::string_view encodeHelp();

// The weights the tables give for these indexes (all within their tables).
tx::KeyingWeights weightsAt(const WeightIndexes& indexes);

}  // namespace qs::tools
