#include "tools/char_error_rate.h"

#include <algorithm>
#include <vector>

namespace qs::tools {

std::string normalisedText(std::string_view text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

int editDistance(std::string_view decoded, std::string_view reference) {
    std::vector<int> row(reference.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= decoded.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= reference.size(); ++j) {
            const int substitution = diagonal + (decoded[i - 1] == reference[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substitution});
        }
    }
    return row.back();
}

CharErrors charErrors(std::string_view decoded, std::string_view reference) {
    const std::string a = normalisedText(decoded);
    const std::string b = normalisedText(reference);
    return {editDistance(a, b), static_cast<int>(b.size())};
}

}  // namespace qs::tools
