#pragma once
// A receive window that records its calls as one readable log, e.g.
// "caret|format:Received|insert:\r\nRX> |insert:E", and keeps the text
// inserted so far. Other fakes may add their own entries to the same log so
// that tests see the order of both.

#include <string>
#include <vector>

#include "common/text.h"
#include "rx/receive_window.h"

namespace qs::test {

class FakeReceiveWindow : public rx::ReceiveWindow {
public:
    void moveCaretToEnd() override { record("caret"); }
    void applyFormat(rx::TextFormat format) override {
        const char* names[] = {"Received", "Sent", "Notice"};
        record(std::string("format:") + names[static_cast<int>(format)]);
    }
    void insertText(TextView text) override {
        record("insert:" + toUtf8(text));
        text_.append(text);
    }

    void record(std::string entry) { entries_.push_back(std::move(entry)); }
    // The entries since the last clearLog(), joined by "|".
    std::string log() const {
        std::string joined;
        for (const std::string& entry : entries_) joined += (joined.empty() ? "" : "|") + entry;
        return joined;
    }
    void clearLog() { entries_.clear(); }

    // Everything inserted, in order.
    const Text& text() const { return text_; }

private:
    std::vector<std::string> entries_;
    Text text_;
};

}  // namespace qs::test
