#pragma once
// A decoded-text sink that records what the decoder delivers, in order: each
// table text as it came, each word space as kWordSpace.

#include <string>
#include <vector>

#include "common/text.h"
#include "rx/decoded_text_sink.h"

namespace qs::test {

class RecordingTextSink : public rx::DecodedTextSink {
public:
    static constexpr const char* kWordSpace = "<space>";

    void appendReceived(TextView text) override { entries.push_back(toUtf8(text)); }
    void appendWordSpace() override { entries.push_back(kWordSpace); }

    // The window's text would read: texts as they are, word spaces as " ".
    std::string shownText() const {
        std::string shown;
        for (const std::string& entry : entries) shown += entry == kWordSpace ? " " : entry;
        return shown;
    }

    std::vector<std::string> entries;
};

}  // namespace qs::test
