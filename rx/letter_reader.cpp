#include "rx/letter_reader.h"

#include <algorithm>
#include <cmath>

#include "rx/morse_tables.h"

namespace qs::rx {

namespace {

constexpr double kNoReading = 1e300;
// A table text of several characters (a run-together reading) is taken only
// when it fits clearly better than single letters.
constexpr double kGroupPenalty = 0.3;
// A piece whose lengths fit this badly on average is noise, not a letter.
constexpr double kMaxFitPerElement = 0.2;

// The squared logarithm of a length over its expected one, in units of the
// learnt spread against the least: a jittery hand's lengths cost less.
double cost(double length, double expected, double spread) {
    const double d = std::log(std::max(length, 0.5) / expected) * TimingTracker::kLeastSpread;
    return d * d / (spread * spread);
}

}  // namespace

LetterReader::Piece LetterReader::bestPiece(int first, int end) const {
    const int count = end - first;
    Piece best{kNoReading, 0};
    for (int bits = 0; bits < (1 << count); ++bits) {
        double total = 0.0;
        for (int k = 0; k < count; ++k) {
            const bool dash = (bits >> (count - 1 - k)) & 1;
            total += dash ? dashCost_[first + k] : dotCost_[first + k];
        }
        if (total >= best.cost) continue;
        const int code = (1 << count) | bits;
        const auto text = lookupReceived(code);
        if (!text) continue;
        if (text->size() > 1 && (*text)[1] != u' ') total += kGroupPenalty;
        if (total < best.cost) best = {total, code};
    }
    return best;
}

int LetterReader::read(const int* marks, const int* gaps, int count, const TimingTracker& timing,
                       DecodedTextSink& sink, bool holdLast) {
    count = std::clamp(count, 0, kMaxElements);
    for (int k = 0; k < count; ++k) {
        dotCost_[k] = cost(marks[k], timing.dotHops(), timing.markSpread());
        dashCost_[k] = cost(marks[k], timing.dashHops(), timing.markSpread());
    }
    const double gapSpread = timing.gapSpread();
    bestCost_[0] = 0.0;
    for (int end = 1; end <= count; ++end) {
        bestCost_[end] = kNoReading;
        double inside = 0.0;  // element gaps inside the piece
        for (int first = end - 1; first >= 0 && end - first <= kMaxLetterElements; --first) {
            if (first + 1 < end)
                inside += cost(gaps[first + 1], timing.elementGapHops(), gapSpread);
            const double cut =
                first > 0 ? cost(gaps[first], timing.letterGapHops(), gapSpread) : 0.0;
            const double before = bestCost_[first] + inside + cut;
            if (before >= bestCost_[end]) continue;
            const Piece piece = bestPiece(first, end);
            if (before + piece.cost < bestCost_[end]) {
                bestCost_[end] = before + piece.cost;
                pieceStart_[end] = first;
                pieceCode_[end] = piece.code;
                pieceFit_[end] = (inside + piece.cost) / (end - first);
            }
        }
    }
    // Noise is told by how far the lengths lie off, whatever the spread.
    const double spreadRatio =
        TimingTracker::kLeastSpread / std::max(timing.markSpread(), gapSpread);
    const double worstFit = kMaxFitPerElement * spreadRatio;
    int ends[kMaxElements] = {};
    int pieces = 0;
    for (int end = count; end > 0; end = pieceStart_[end]) ends[pieces++] = end;
    const int held = holdLast && pieces > 0 ? 1 : 0;  // ends[0] is the last piece
    heldFrom_ = held > 0 ? pieceStart_[count] : count;
    int shown = 0;
    while (pieces > held) {
        const int end = ends[--pieces];
        if (pieceFit_[end] > worstFit) continue;
        if (const auto text = lookupReceived(pieceCode_[end])) {
            sink.appendReceived(*text);
            ++shown;
        }
    }
    return shown;
}

}  // namespace qs::rx
