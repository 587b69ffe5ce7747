#pragma once
// Reads the elements collected between two letter gaps as the likeliest
// sequence of characters rather than by hard decisions: every mark may be a
// dot or a dash and every gap inside the sequence an element gap or a
// letter gap, each choice costing the squared logarithm of how far the
// length lies from the learnt one; the cheapest reading whose pieces all
// are receive-table entries wins. A piece that fits badly is left out. So a dash sent short still
// makes a valid letter, and letters run together are taken apart where the gap fits.

#include "rx/decoded_text_sink.h"
#include "rx/timing_tracker.h"

namespace qs::rx {

class LetterReader {
  public:
    static constexpr int kMaxElements = 48;
    static constexpr int kMaxLetterElements = 7;

    // marks[k]: mark k; gaps[k]: the gap before mark k (k >= 1). Appends the
    // reading, piece by piece, to the sink, leaving out pieces that fit no
    // letter well (noise); returns how many were appended.
    // count: 1..kMaxElements. With holdLast the last piece is not appended
    // but waits for what follows; heldFrom() is then its first element
    // (otherwise count).
    int read(const int* marks, const int* gaps, int count, const TimingTracker& timing,
             DecodedTextSink& sink, bool holdLast = false);
    int heldFrom() const { return heldFrom_; }

  private:
    struct Piece {
        double cost;
        int code;
    };
    Piece bestPiece(int first, int end) const;

    double dotCost_[kMaxElements] = {};
    double dashCost_[kMaxElements] = {};
    double bestCost_[kMaxElements + 1] = {};
    int pieceStart_[kMaxElements + 1] = {};
    int pieceCode_[kMaxElements + 1] = {};
    double pieceFit_[kMaxElements + 1] = {};  // cost per element of the piece
    int heldFrom_ = 0;
};

}  // namespace qs::rx
