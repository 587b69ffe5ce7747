#pragma once
// The option string (settings slot 49): the Options dialog's switches, one
// character per position. A string read from a file may be of any length, so
// positions are read through optionAt.

#include "common/text.h"

namespace qs::settings {

inline constexpr char16_t kBuiltInOptionString[] = u"NMNNN1123NN5001218NNNN";
inline constexpr int kOptionStringLength = 22;

namespace option {

inline constexpr int kFontSize = 1;         // "S" small, "M" normal, else large
inline constexpr int kEchoToRx = 2;         // anything but "N": echo sent text
inline constexpr int kQsoLogSave = 3;       // "S": start the QSO text log
inline constexpr int kCopyRxAtExit = 4;     // "P": copy received text at exit
inline constexpr int kDotWeight = 5;        // decimal digit, weight table index
inline constexpr int kDashWeight = 6;       // decimal digit
inline constexpr int kCharSpaceWeight = 7;  // decimal digit
inline constexpr int kWordSpaceWeight = 8;  // decimal digit
inline constexpr int kPttLead = 9;          // "N" 0, "A" 25, "B" 50, "C" 100, "D" 200 ms
inline constexpr int kTxEditHold = 10;      // "S": TX Edit (F9) checked
inline constexpr int kFiveNnReset = 11;     // "5": reset RSTs to "5NN"
inline constexpr int kGreetingGm = 12;      // two digits: hour from which GM applies
inline constexpr int kGreetingGa = 14;      // two digits: hour from which GA applies
inline constexpr int kGreetingGe = 16;      // two digits: hour from which GE applies
inline constexpr int kLogSoft = 18;         // "H" HamLog, else Logger32
inline constexpr int kPttViaHamLog = 19;    // "H": PTT through HamLog
inline constexpr int kHamLogMode = 20;      // "C" "CW", "A" "A1A", else none

}  // namespace option

// The character at `position`, or U+0000 when the string is too short.
char16_t optionAt(TextView options, int position);

}  // namespace qs::settings
