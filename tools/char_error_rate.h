#pragma once
// Character error rate of decoded text: the edit distance (insertions,
// deletions, substitutions) between the decoded and the sent text, both with
// runs of blanks made single and without blanks at either end.

#include <string>
#include <string_view>

namespace qs::tools {

// Runs of blanks (and line breaks) become one blank; none at either end.
std::string normalisedText(std::string_view text);

// Edits that turn `decoded` into `reference`.
int editDistance(std::string_view decoded, std::string_view reference);

struct CharErrors {
    int edits = 0;
    int referenceLength = 0;
    double rate() const { return referenceLength > 0 ? double(edits) / referenceLength : 0.0; }
};

// The normalised texts compared.
CharErrors charErrors(std::string_view decoded, std::string_view reference);

}  // namespace qs::tools
