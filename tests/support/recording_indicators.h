#pragma once
// Indicators that remember the tones shown, for tests of the automatic tone.

#include <vector>

#include "rx/receive_indicators.h"

namespace qs::test {

class ToneRecordingIndicators : public rx::NoIndicators {
public:
    void showTone(int toneBin) override { shownTones.push_back(toneBin); }
    std::vector<int> shownTones;
};

}  // namespace qs::test
