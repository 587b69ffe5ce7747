#include "rx/tone_tables.h"

#include <algorithm>
#include <array>

#include "rx/receive_constants.h"

namespace qs::rx {

namespace {

// Bins 8..44. Kept as the form has always shown them rather than computed
// (bin 14 reads "302", not the rounded 301).
constexpr std::array<const char16_t*, kMaxToneBin - kMinToneBin + 1> kToneLabels = {
    u"172", u"194", u"215", u"237", u"258", u"280", u"302", u"323", u"345", u"366",
    u"388", u"409", u"431", u"452", u"474", u"495", u"517", u"538", u"560", u"581",
    u"603", u"625", u"646", u"668", u"689", u"711", u"732", u"753", u"775", u"797",
    u"818", u"840", u"861", u"883", u"904", u"926", u"948",
};

constexpr std::array<double, kMaxGainPosition> kInputGains = {
    0.025, 0.05, 0.1, 0.3, 0.7, 1.0, 7.0, 15.0, 30.0, 60.0, 100.0,
};

}  // namespace

TextView toneLabel(int toneBin) {
    if (toneBin < kMinToneBin || toneBin > kMaxToneBin) return {};
    return kToneLabels[toneBin - kMinToneBin];
}

double inputGainForPosition(int sliderPosition) {
    const int position = std::clamp(sliderPosition, kMinGainPosition, kMaxGainPosition);
    return kInputGains[position - kMinGainPosition];
}

}  // namespace qs::rx
