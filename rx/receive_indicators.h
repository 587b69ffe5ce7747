#pragma once
// What the receive path shows on the form as it runs. Called from the capture
// thread as well as from control handlers; values, not texts, so that an
// implementation can queue them to the user-interface thread without
// allocating. The label texts come from receive_labels.h.

namespace qs::rx {

class ReceiveIndicators {
public:
    virtual ~ReceiveIndicators() = default;
    // Label 1025: the received speed, e.g. "100/Min".
    virtual void showRxSpeed(int charsPerMinute) = 0;
    // Slider 1017, moved without a scroll notification.
    virtual void moveRxSpeedSlider(int speedIndex) = 0;
    // Label 1042: "Threshold -45db".
    virtual void showThreshold(int thresholdDb) = 0;
    // Label 1043: the tone bin's label followed by "Hz".
    virtual void showTone(int toneBin) = 0;
};

// Shows nothing: for recordings decoded without a screen.
class NoIndicators : public ReceiveIndicators {
public:
    void showRxSpeed(int) override {}
    void moveRxSpeedSlider(int) override {}
    void showThreshold(int) override {}
    void showTone(int) override {}
};

}  // namespace qs::rx
