#include "tx/keying_timing.h"

#include <algorithm>

#include "rx/receive_constants.h"

namespace qs::tx {

namespace {

constexpr int kDotWeightChar = 5;
constexpr int kDashWeightChar = 6;
constexpr int kCharSpaceWeightChar = 7;
constexpr int kWordSpaceWeightChar = 8;

constexpr int kShortWordSpaceMs = 10;  // stands in for a word space below 1 ms

template <size_t N>
double weightAt(const double (&table)[N], TextView options, int position, double current) {
    if (position >= static_cast<int>(options.size())) return current;
    const char16_t c = options[position];
    if (c < u'0' || c > u'9') return current;
    const size_t index = static_cast<size_t>(c - u'0');
    return index < N ? table[index] : current;
}

}  // namespace

int roundMs(double durationMs) {
    return static_cast<int>(durationMs + 0.5);
}

double unitMs(int speedIndex) {
    return rx::dotTimeMs(std::clamp(speedIndex, 0, kTxSpeedSteps - 1));
}

std::optional<int> linePeriodMs(char symbol, double unitMs, const KeyingWeights& weights) {
    switch (symbol) {
        case '1':
            return roundMs(unitMs * weights.dot);
        case '3':
            return roundMs(unitMs * weights.dash);
        case '4':
        case '0':
            return roundMs(unitMs);
        case '5':
            return roundMs(unitMs * weights.charSpace);
        default:
            return std::nullopt;
    }
}

int characterEndPeriodMs(double unitMs, const KeyingWeights& weights) {
    return roundMs((weights.charSpace - 1.0) * unitMs);
}

int wordSpacePeriodMs(double unitMs, const KeyingWeights& weights, bool afterWordSpace) {
    const double units = afterWordSpace ? weights.wordSpace - 1.0 : weights.wordSpace - 4.0;
    const int periodMs = roundMs(units * unitMs);
    return periodMs < 1 ? kShortWordSpaceMs : periodMs;
}

int effectiveSpeedCpm(double unitMs, const KeyingWeights& weights) {
    const double t = unitMs;
    const double wordSpace = weights.wordSpace > weights.charSpace ? t * weights.wordSpace : 0.0;
    const double wordMs = 4.0 * t * weights.dash + 10.0 * t * weights.dot + 9.0 * t +
                          4.0 * t * weights.charSpace + wordSpace;
    return roundMs(300000.0 / wordMs);
}

Text speedLabelText(int charactersPerMinute) {
    return decimalText(charactersPerMinute) + u"/Min";
}

KeyingWeights weightsFromOptions(TextView optionString, const KeyingWeights& current) {
    KeyingWeights weights;
    weights.dot = weightAt(kDotWeights, optionString, kDotWeightChar, current.dot);
    weights.dash = weightAt(kDashWeights, optionString, kDashWeightChar, current.dash);
    weights.charSpace =
        weightAt(kCharSpaceWeights, optionString, kCharSpaceWeightChar, current.charSpace);
    weights.wordSpace =
        weightAt(kWordSpaceWeights, optionString, kWordSpaceWeightChar, current.wordSpace);
    return weights;
}

}  // namespace qs::tx
