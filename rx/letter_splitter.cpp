#include "rx/letter_splitter.h"

#include <optional>

#include "rx/morse_tables.h"

namespace qs::rx {
namespace {

struct DecodedPrefix {
    int cut;  // index of the first element after the prefix
    TextView text;
};

// The cut among gaps[start..end]: the last occurrence of the widest gap, if
// that gap is at least 1.4 times their mean; otherwise `end`.
int widestGapCut(const int* gapsHops, int start, int end) {
    int sumHops = 0;
    for (int j = start; j <= end; ++j) sumHops += gapsHops[j];
    const double meanHops = static_cast<double>(sumHops) / (end - start + 1);
    int widestHops = static_cast<int>(1.4 * meanHops);
    int cut = end;
    for (int j = start; j <= end; ++j) {
        if (gapsHops[j] >= widestHops) {
            widestHops = gapsHops[j];
            cut = j;
        }
    }
    return cut;
}

// A decodable prefix of the remaining elements (those from start-1 on): cut
// at the widest gap, and after a prefix without an entry move the end of the
// search in front of that cut. Indexes are those of the part as first given.
std::optional<DecodedPrefix> findDecodedPrefix(int code, int count, int start,
                                               const int* gapsHops) {
    int end = count - 1;
    while (end >= 2 && end >= start) {
        const int cut = widestGapCut(gapsHops, start, end);
        if (const auto text = lookupReceived(code >> (count - cut))) {
            return DecodedPrefix{cut, *text};
        }
        end = cut - 1;
    }
    return std::nullopt;
}

}  // namespace

int elementCodeFromMarks(const int* marksHops, int count, int dotDashLimitHops) {
    int code = 1;
    for (int k = 0; k < count; ++k) code = code * 2 + (marksHops[k] > dotDashLimitHops ? 1 : 0);
    return code;
}

int readLetter(const int* marksHops, const int* gapsHops, int count, int dotDashLimitHops,
               int letterGapLimitHops, DecodedTextSink& out) {
    // Marks are reclassified with the current limit, the latest speed estimate.
    int code = elementCodeFromMarks(marksHops, count, dotDashLimitHops);
    int partStart = 0;
    int appended = 0;
    for (int k = 1; k < count; ++k) {
        if (gapsHops[k] < letterGapLimitHops) continue;
        const int restStartBit = 1 << (count - k);
        appended += readPart(code / restStartBit, k - partStart, gapsHops + partStart, out);
        code = code % restStartBit + restStartBit;
        partStart = k;
    }
    return appended + readPart(code, count - partStart, gapsHops + partStart, out);
}

int readPart(int code, int count, const int* gapsHops, DecodedTextSink& out) {
    int appended = 0;
    int start = 1;
    for (;;) {
        if (const auto whole = lookupReceived(code)) {
            out.appendReceived(*whole);
            return appended + 1;
        }
        const auto prefix = findDecodedPrefix(code, count, start, gapsHops);
        if (!prefix) return appended;
        out.appendReceived(prefix->text);
        ++appended;
        const int restStartBit = 1 << (count - prefix->cut);
        code = code % restStartBit + restStartBit;
        start = prefix->cut + 1;
    }
}

}  // namespace qs::rx
