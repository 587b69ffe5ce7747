#include "tx/keyer_timeline.h"

namespace qs::tx {

KeyerTimeline::KeyerTimeline(PatternLookup patternFor, ControlTagHandler* controlTags)
    : controlTags_(controlTags),
      keyer_(KeyerLinks{*this, *this, *this, *this, echo_, receive_, *this, *this, *this,
                        patternFor}) {}

void KeyerTimeline::tick() {
    tickTimeMs_ = nextTickMs_;
    nextTickMs_ = tickTimeMs_ + periodMs_;
    ++ticks_;
    const bool wasBusy = keyer_.busy();
    const int linesBefore = lineChanges_;
    keyer_.keyerTick();
    if (!wasBusy) lineChangesAfterIdle_ += lineChanges_ - linesBefore;
}

void KeyerTimeline::runUntil(long long timeMs) {
    while (nextTickMs_ <= timeMs) tick();
}

bool KeyerTimeline::runUntilSent(long long limitMs) {
    const auto sent = [this] {
        return !keyer_.busy() && keyer_.sendPos() >= static_cast<int>(transmitText_.size()) &&
               receive_.rxEnabled;
    };
    while (!sent()) {
        if (nextTickMs_ > limitMs) return false;
        tick();
    }
    return true;
}

void KeyerTimeline::setHamLog(bool windowFound, bool linkTestPasses) {
    hamLogWindowFound_ = windowFound;
    hamLogLinkPasses_ = windowFound && linkTestPasses;
}

std::vector<KeyerEvent> KeyerTimeline::eventsOf(KeyerEvent::Kind kind) const {
    std::vector<KeyerEvent> found;
    for (const KeyerEvent& event : events_) {
        if (event.kind == kind) found.push_back(event);
    }
    return found;
}

namespace {

bool isLineEvent(KeyerEvent::Kind kind) {
    return kind != KeyerEvent::Kind::Echo && kind != KeyerEvent::Kind::Message;
}

}  // namespace

std::vector<KeyerEvent> KeyerTimeline::lineEvents() const {
    std::vector<KeyerEvent> found;
    for (const KeyerEvent& event : events_) {
        if (isLineEvent(event.kind)) found.push_back(event);
    }
    return found;
}

void KeyerTimeline::record(KeyerEvent::Kind kind, TextView text) {
    events_.push_back(KeyerEvent{tickTimeMs_, kind, Text(text), format_});
    if (isLineEvent(kind)) ++lineChanges_;
}

// A timer period is at least 1 ms, as the system's timer requires.
void KeyerTimeline::restart(int periodMs) {
    periodMs_ = periodMs < 1 ? 1 : periodMs;
    nextTickMs_ = tickTimeMs_ + periodMs_;
}

void KeyerTimeline::runLinkTest() {
    ++linkTests_;
    hamLogLinkOk_ = hamLogLinkPasses_;
}

void KeyerTimeline::sendPtt(bool on) {
    if (!hamLogWindowFound_) return;
    record(on ? KeyerEvent::Kind::HamLogPttOn : KeyerEvent::Kind::HamLogPttOff);
}

void KeyerTimeline::insertText(TextView text) {
    receiveWindowText_ += text;
    record(KeyerEvent::Kind::Echo, text);
}

void KeyerTimeline::processControlTags(TextView txText, int& sendPos) {
    if (controlTags_) controlTags_->processControlTags(txText, sendPos);
}

void KeyerTimeline::showMessage(TextView text) {
    record(KeyerEvent::Kind::Message, text);
}

}  // namespace qs::tx
