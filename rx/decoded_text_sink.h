#pragma once
// Where the decoder delivers what it reads: decoded texts and word spaces, in
// order. The terminal's implementation writes them into the receive window;
// a recording decoder prints them.

#include "common/text.h"

namespace qs::rx {

class DecodedTextSink {
public:
    virtual ~DecodedTextSink() = default;
    // One table text, e.g. "E", "CQ" or "? ".
    virtual void appendReceived(TextView text) = 0;
    // One blank after a long pause.
    virtual void appendWordSpace() = 0;
};

}  // namespace qs::rx
