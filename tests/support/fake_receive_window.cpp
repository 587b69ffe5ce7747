#include "tests/support/fake_receive_window.h"

namespace qs::test {
namespace {

const char* formatName(rx::TextFormat format) {
    switch (format) {
        case rx::TextFormat::Received:
            return "Received";
        case rx::TextFormat::Sent:
            return "Sent";
        case rx::TextFormat::Notice:
            return "Notice";
    }
    return "?";
}

}  // namespace

void FakeReceiveWindow::moveCaretToEnd() {
    record("caret");
}

void FakeReceiveWindow::applyFormat(rx::TextFormat format) {
    record(std::string("format:") + formatName(format));
}

void FakeReceiveWindow::insertText(TextView text) {
    record("insert:" + toUtf8(text));
    text_.append(text);
}

std::string FakeReceiveWindow::log() const {
    std::string joined;
    for (const std::string& entry : entries_) {
        if (!joined.empty()) joined += '|';
        joined += entry;
    }
    return joined;
}

}  // namespace qs::test
