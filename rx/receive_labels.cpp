#include "rx/receive_labels.h"

#include "rx/tone_tables.h"

namespace qs::rx {

namespace {
constexpr size_t kSpeedSuffixLength = 4;  // "/Min"
constexpr size_t kMaxSpeedDigits = 9;     // fits an int
}  // namespace

Text speedLabel(int charsPerMinute) {
    return decimalText(charsPerMinute) + u"/Min";
}

std::optional<int> speedFromLabel(TextView label) {
    if (label.size() <= kSpeedSuffixLength) return {};
    const TextView digits = label.substr(0, label.size() - kSpeedSuffixLength);
    if (digits.size() > kMaxSpeedDigits) return {};
    int value = 0;
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9') return {};
        value = value * 10 + (c - u'0');
    }
    return value;
}

Text thresholdLabel(int thresholdDb) {
    return u"Threshold " + decimalText(thresholdDb) + u"db";
}

Text toneHzLabel(int toneBin) {
    return Text(toneLabel(toneBin)) + u"Hz";
}

}  // namespace qs::rx
