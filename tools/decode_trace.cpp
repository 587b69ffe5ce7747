#include "tools/decode_trace.h"

#include "rx/tone_tables.h"

namespace qs::tools {

DecodeTrace::DecodeTrace(std::ostream& out) : out_(out) {
    out_ << "# hop level key dotDashLimit letterGapLimit thresholdDb toneIndex\n";
}

void DecodeTrace::afterHop(const rx::HopReport& report) {
    out_ << report.hop << ' ' << report.levelDb << ' ' << (report.keyDown ? 1 : 0) << ' '
         << report.dotDashLimit << ' ' << report.letterGapLimit << ' ' << report.thresholdDb << ' '
         << report.toneIndex << '\n';
    currentHop_ = report.hop + 1;
}

std::ostream& DecodeTrace::beginEvent() {
    return out_ << "# hop " << currentHop_ << ' ';
}

void DecodeTrace::showRxSpeed(int charsPerMinute) {
    beginEvent() << "speed " << charsPerMinute << "/Min\n";
}

void DecodeTrace::showThreshold(int thresholdDb) {
    beginEvent() << "threshold " << thresholdDb << "db\n";
}

void DecodeTrace::showTone(int toneBin) {
    beginEvent() << "tone " << toneBin << ' ' << toUtf8(rx::toneLabel(toneBin)) << "Hz\n";
}

void DecodeTrace::decodedText(TextView text) {
    beginEvent() << "text \"" << toUtf8(text) << "\"\n";
}

void DecodeTrace::wordSpace() {
    beginEvent() << "space\n";
}

void DecodedTextPrinter::appendReceived(TextView text) {
    out_ << toUtf8(text);
    if (trace_ != nullptr) trace_->decodedText(text);
}

void DecodedTextPrinter::appendWordSpace() {
    out_ << ' ';
    if (trace_ != nullptr) trace_->wordSpace();
}

}  // namespace qs::tools
