#pragma once
// Checks a record of keyed lines against the keying engine's own timeline:
// the record (the test usbif4cw.dll's call log, or the modem-line recorder's
// log of a serial port) is turned into line changes, the same text is keyed
// on the engine's virtual clock, and each interval between two changes is
// compared with its ideal duration. Key-down intervals are elements, key-up
// intervals gaps; PTT lead and tail are compared too.

#include <iosfwd>
#include <string>
#include <vector>

#include "common/text.h"

namespace qs::tools {

inline constexpr TextView kBuiltInWeightDigits = u"1123";

enum class LineChange { KeyDown, KeyUp, PttOn, PttOff };

struct TimedChange {
    double timeMs;
    LineChange change;
};

enum class KeyingLogFormat { Usbif4cw, ModemLines };

// Reads the changes of the record; repeated writes of the same state are
// dropped. In the modem-line form `keyLine` ("RTS" or "DTR") keys and the
// other line is PTT. Lines it does not understand are skipped.
std::vector<TimedChange> readKeyingLog(std::istream& log, KeyingLogFormat format,
                                       const std::string& keyLine);

// The changes the engine makes for `text` at this speed (trackbar index)
// and PTT lead (0, 25, 50, 100, 200 ms), from its idle state.
// `weightDigits`: the option string's four weight digits (dot, dash,
// character space, word space), "1123" being the built-in weights.
std::vector<TimedChange> idealKeying(TextView text, int speedIndex, int pttLeadMs,
                                     TextView weightDigits = kBuiltInWeightDigits);

struct ErrorFigures {
    int count = 0;
    double medianMs = 0.0;
    double percentile99Ms = 0.0;
    double worstMs = 0.0;
    int over2Ms = 0;  // errors larger than 2 ms
};

struct KeyingComparison {
    bool sameSequence = false;  // the same changes in the same order
    int measuredChanges = 0;
    int idealChanges = 0;
    ErrorFigures elements;  // key down
    ErrorFigures gaps;      // key up, between elements and characters
    ErrorFigures ptt;       // lead (PTT on to key down) and PTT off delay
    double leadMs = -1.0;   // first lead as measured, -1 without PTT
};

KeyingComparison compareKeying(const std::vector<TimedChange>& measured,
                               const std::vector<TimedChange>& ideal);

// Absolute errors to figures; the 99th percentile is the nearest rank.
ErrorFigures errorFigures(std::vector<double> errorsMs);

}  // namespace qs::tools
