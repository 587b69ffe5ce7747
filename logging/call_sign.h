#pragma once
// Call signs in received text: the rule that decides whether a word is a
// call sign and reduces it to its canonical form (prefix with its area digit,
// at most three suffix characters, a portable "/digit" ending kept), and the
// F4 pick-up that tries the newest words of the receive window against it.
// The rule knows no prefix list, only four character classes.

#include <optional>

#include "common/text.h"

namespace qs::logging {

// Tests `candidateWord`, spaces removed. On success rewrites it to its
// canonical form and returns true; otherwise leaves it unchanged.
bool NormalizeCallSign(Text& candidateWord);

// Scans the last 30 characters of the receive window text backwards, word by
// word (words end at two spaces or at the "RX>" prompt); returns the
// canonical form of the newest word that is a call sign, or nothing.
std::optional<Text> PickUpCallSign(TextView receiveText);

}  // namespace qs::logging
