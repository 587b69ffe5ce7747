#pragma once
// Reads a collected letter through the receive table. A letter is cut at
// internal letter gaps into parts; a part without a table entry is split at
// its widest gaps, prefix by prefix, until every piece decodes. Texts go to
// the sink in reading order.
//
// Gap arrays follow the letter's layout: gapsHops[k] is the gap before
// element k, for k = 1..count-1 (entry 0 is not used).

#include "rx/decoded_text_sink.h"

namespace qs::rx {

// Element code from mark lengths: a start bit, then per mark in order 1 when
// it is longer than dotDashLimitHops (a dash), else 0.
int elementCodeFromMarks(const int* marksHops, int count, int dotDashLimitHops);

// Reads a letter of two or more elements, cutting it before every element
// whose gap is at least letterGapLimitHops. Returns the number of texts
// appended.
int readLetter(const int* marksHops, const int* gapsHops, int count, int dotDashLimitHops,
               int letterGapLimitHops, DecodedTextSink& out);

// Reads one part of count elements with element code `code`. Returns the
// number of texts appended; elements that decode to nothing are dropped.
int readPart(int code, int count, const int* gapsHops, DecodedTextSink& out);

}  // namespace qs::rx
