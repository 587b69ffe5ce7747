#pragma once
// The receive path's outputs as seen from the capture thread, and the keying
// engine's echo as seen from the keying timer's thread: decoded text, echoed
// characters and the values the form shows, queued for the user-interface
// thread. There deliverUiEvent hands each one to the receive window's writer,
// the echo or the form's indicators, in the order the threads produced them.

#include "rx/decoded_text_sink.h"
#include "rx/receive_indicators.h"
#include "tx/keyer_links.h"
#include "ui/ui_event_queue.h"

namespace qs::ui {

class QueuedReceiveOutput : public rx::DecodedTextSink,
                            public rx::ReceiveIndicators,
                            public tx::SentTextEcho {
public:
    explicit QueuedReceiveOutput(UiEventQueue& queue) : queue_(queue) {}

    void appendReceived(TextView text) override;
    void appendWordSpace() override;

    void showRxSpeed(int charsPerMinute) override;
    void moveRxSpeedSlider(int speedIndex) override;
    void showThreshold(int thresholdDb) override;
    void showTone(int toneBin) override;

    void echoSent(char16_t character) override;
    void echoUnsendable(char16_t character) override;

private:
    UiEventQueue& queue_;
};

// User-interface thread: carries out one queued event.
void deliverUiEvent(const UiEvent& event, rx::DecodedTextSink& text,
                    rx::ReceiveIndicators& indicators, tx::SentTextEcho& echo);

}  // namespace qs::ui
