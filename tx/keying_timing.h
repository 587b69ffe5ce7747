#pragma once
// Timing of keyed Morse: the unit of a speed index, the four weights that
// stretch dots, dashes and gaps, the timer period after each pattern symbol,
// and the effective speed shown beside the transmit speed trackbar.
// Durations are whole milliseconds, rounded by adding 0.5 and truncating.

#include <optional>

#include "common/text.h"

namespace qs::tx {

inline constexpr int kTxSpeedSteps = 32;         // trackbar positions 0..31
inline constexpr int kDefaultTxSpeedIndex = 15;  // 100/Min, 60 ms unit

// The four weight tables, indexed by the option string's characters 5 to 8.
inline constexpr double kDotWeights[] = {0.9, 1.0, 1.1, 1.2, 1.3, 1.5};
inline constexpr double kDashWeights[] = {2.8, 3.0, 3.2, 3.4, 3.6, 3.8, 4.0, 4.2, 4.5};
inline constexpr double kCharSpaceWeights[] = {2.6, 2.8, 3.0, 3.5, 4.0, 5.0};
inline constexpr double kWordSpaceWeights[] = {4.0, 5.0, 6.0, 7.0, 8.0, 9.0};

// Timing weights in units of the dot time.
struct KeyingWeights {
    double dot = 1.0;
    double dash = 3.0;
    double charSpace = 3.0;  // "C_Space"
    double wordSpace = 7.0;  // "W_Space"
};

// Rounds a positive duration: add 0.5, truncate.
int roundMs(double durationMs);

// Unit (dot) time of a speed index, clamped to 0..31: 6000 / (25 + 5 index).
double unitMs(int speedIndex);

// Timer period after a line symbol ("1", "3" key down; "4", "0", "5" key up);
// none for any other symbol.
std::optional<int> linePeriodMs(char symbol, double unitMs, const KeyingWeights& weights);

// Period after the end of a character ("2"): (C - 1) units.
int characterEndPeriodMs(double unitMs, const KeyingWeights& weights);

// Period of a word space ("6"): (W - 4) units, or (W - 1) units right after
// another word space; a result below 1 becomes 10.
int wordSpacePeriodMs(double unitMs, const KeyingWeights& weights, bool afterWordSpace);

// Characters per minute actually sent at these weights, counting the 50-unit
// word with its gaps (a word space only when W exceeds C).
int effectiveSpeedCpm(double unitMs, const KeyingWeights& weights);

// Text of the speed label: "100/Min".
Text speedLabelText(int charactersPerMinute);

// Weights chosen by the option string's characters 5 to 8 (decimal digits
// indexing the four weight tables). A character that is no digit or indexes
// past its table keeps the current weight; so does a missing character.
KeyingWeights weightsFromOptions(TextView optionString, const KeyingWeights& current);

}  // namespace qs::tx
