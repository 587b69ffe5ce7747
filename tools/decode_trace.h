#pragma once
// What `qstn decode` writes while the receive path runs: the decoded text as
// the receive window would receive it, and optionally a trace with one line
// per hop and '#' lines for events.

#include <ostream>

#include "common/text.h"
#include "rx/decoded_text_sink.h"
#include "rx/receive_chain.h"
#include "rx/receive_indicators.h"

namespace qs::tools {

// Hop lines "hop level key dotDashLimit letterGapLimit thresholdDb
// toneIndex"; event lines "# hop N <event>" carry the hop during which the
// event happened.
class DecodeTrace : public rx::HopObserver, public rx::ReceiveIndicators {
public:
    explicit DecodeTrace(std::ostream& out);

    void afterHop(const rx::HopReport& report) override;

    void showRxSpeed(int charsPerMinute) override;
    void moveRxSpeedSlider(int) override {}
    void showThreshold(int thresholdDb) override;
    void showTone(int toneBin) override;

    void decodedText(TextView text);
    void wordSpace();

private:
    std::ostream& beginEvent();

    std::ostream& out_;
    long long currentHop_ = 0;
};

// Writes every decoded text and word space to `out` as UTF-8, in order.
class DecodedTextPrinter : public rx::DecodedTextSink {
public:
    DecodedTextPrinter(std::ostream& out, DecodeTrace* trace) : out_(out), trace_(trace) {}

    void appendReceived(TextView text) override;
    void appendWordSpace() override;

private:
    std::ostream& out_;
    DecodeTrace* trace_;
};

}  // namespace qs::tools
