#pragma once
// The texts of the receive-side labels.

#include <optional>

#include "common/text.h"

namespace qs::rx {

// Labels 1025 and 1026: "100/Min".
Text speedLabel(int charsPerMinute);
// The speed of a speed label: its text without the last four characters
// ("/Min") read as a whole decimal number; none if that is not a number.
std::optional<int> speedFromLabel(TextView label);
// Label 1042: "Threshold -45db".
Text thresholdLabel(int thresholdDb);
// Label 1043: the tone label followed by "Hz", e.g. "603Hz".
Text toneHzLabel(int toneBin);

}  // namespace qs::rx
