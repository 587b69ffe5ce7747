#pragma once
// Numbers stored in settings slots: decimal text such as "6" or "-45".

#include <optional>

#include "common/text.h"

namespace qs::settings {

// The value of `text` when all of it is an optional sign followed by one or
// more decimal digits and the value fits an int; none otherwise (empty text,
// spaces, letters, or a number too large). Never throws.
std::optional<int> slotNumber(TextView text);

}  // namespace qs::settings
