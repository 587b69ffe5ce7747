#include "ui/queued_receive_output.h"

namespace qs::ui {

void QueuedReceiveOutput::appendReceived(TextView text) {
    queue_.pushText(UiEventKind::ReceivedText, text);
}

void QueuedReceiveOutput::appendWordSpace() {
    queue_.push(UiEventKind::ReceivedWordSpace, 0);
}

void QueuedReceiveOutput::showRxSpeed(int charsPerMinute) {
    queue_.push(UiEventKind::RxSpeed, charsPerMinute);
}

void QueuedReceiveOutput::moveRxSpeedSlider(int speedIndex) {
    queue_.push(UiEventKind::RxSpeedSlider, speedIndex);
}

void QueuedReceiveOutput::showThreshold(int thresholdDb) {
    queue_.push(UiEventKind::Threshold, thresholdDb);
}

void QueuedReceiveOutput::showTone(int toneBin) {
    queue_.push(UiEventKind::Tone, toneBin);
}

void QueuedReceiveOutput::echoSent(char16_t character) {
    queue_.push(UiEventKind::SentEcho, character);
}

void QueuedReceiveOutput::echoUnsendable(char16_t character) {
    queue_.push(UiEventKind::UnsendableEcho, character);
}

void deliverUiEvent(const UiEvent& event, rx::DecodedTextSink& text,
                    rx::ReceiveIndicators& indicators, tx::SentTextEcho& echo) {
    switch (event.kind) {
        case UiEventKind::RxSpeed:
            indicators.showRxSpeed(event.value);
            break;
        case UiEventKind::RxSpeedSlider:
            indicators.moveRxSpeedSlider(event.value);
            break;
        case UiEventKind::Threshold:
            indicators.showThreshold(event.value);
            break;
        case UiEventKind::Tone:
            indicators.showTone(event.value);
            break;
        case UiEventKind::ReceivedText:
            text.appendReceived(event.textView());
            break;
        case UiEventKind::ReceivedWordSpace:
            text.appendWordSpace();
            break;
        case UiEventKind::SentEcho:
            echo.echoSent(static_cast<char16_t>(event.value));
            break;
        case UiEventKind::UnsendableEcho:
            echo.echoUnsendable(static_cast<char16_t>(event.value));
            break;
    }
}

}  // namespace qs::ui
