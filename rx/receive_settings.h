#pragma once
// Settings and flags of the receive path that the user-interface thread (and
// the keying timer) write while the capture thread reads them. Each is one
// atomic value, read fresh at each use, so a change lands between two hops,
// windows or blocks. Initial values are the terminal's built-in state.

#include <atomic>

#include "rx/receive_constants.h"

namespace qs::rx {

struct ReceiveSettings {
    // Tone detection and filters.
    std::atomic<int> toneIndex{kDefaultToneBin};  // also moved by the automatic tone
    std::atomic<bool> toneAuto{false};
    std::atomic<bool> nr1On{false};
    std::atomic<bool> nr2On{true};
    std::atomic<bool> qrmOn{false};
    std::atomic<double> inputGain{1.0};
    std::atomic<bool> upperScale{true};  // spectrum shows bins 16..44, else 8..36

    // Key detection and speed tracking.
    std::atomic<int> thresholdDb{-45};
    std::atomic<bool> autoThreshold{false};
    std::atomic<bool> speedAuto{true};
    std::atomic<int> dotDashLimit{41};    // hops; a longer mark is a dash
    std::atomic<int> letterGapLimit{41};  // hops; a longer space ends a letter
    std::atomic<int> historyIndex{0};     // next slot of the mark/space histories
    std::atomic<bool> letterEndEnabled{true};
    std::atomic<int> rxSpeedIndex{kDefaultSpeedIndex};

    // The adaptive decoder reads the audio instead of the built-in path.
    std::atomic<bool> adaptiveDecoder{false};

    // Receive processing on; cleared while sending and while dialogs are open.
    std::atomic<bool> rxEnabled{true};
};

}  // namespace qs::rx
