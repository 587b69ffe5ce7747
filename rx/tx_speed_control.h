#pragma once
// What the receive side needs of the transmit speed for the RX=TX button
// (1062). The keying engine implements it.

namespace qs::rx {

// The keying weights, in dot units (built-in 1.0, 3.0, 3.0 and 7.0).
struct SendWeights {
    double dotWeight = 1.0;
    double dashWeight = 3.0;
    double charSpaceWeight = 3.0;
    double wordSpaceWeight = 7.0;
};

class TxSpeedControl {
public:
    virtual ~TxSpeedControl() = default;
    virtual SendWeights sendWeights() const = 0;
    // Moves the send speed slider (1018) to speedIndex, refreshes the send
    // speed label and clears the speed-tag state without restoring the speed
    // saved by a tag.
    virtual void setTxSpeedIndex(int speedIndex) = 0;
};

}  // namespace qs::rx
