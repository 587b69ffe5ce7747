#pragma once
// The PTT lead time's letter in the option string: "N" off, "A" 25 ms,
// "B" 50 ms, "C" 100 ms, "D" 200 ms.

#include "common/text.h"

namespace qs::tx {

// The lead time a letter chooses; any other letter keeps `currentMs`.
int pttLeadFromOption(char16_t letter, int currentMs);

// The letter of a lead time; "N" for one that has no letter.
char16_t pttLeadOption(int leadMs);

}  // namespace qs::tx
