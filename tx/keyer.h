#pragma once
// The keying engine: turns the transmit box into keyed Morse. The box is the
// queue: everything before `sendPos` has been sent or skipped. Each timer
// tick either fetches the next character and its element pattern, switches
// PTT on for the lead time, or carries out one symbol of the pattern, and
// restarts the timer with the duration of what it just did.
//
// keyerTick runs on the timer thread, whose callbacks never overlap. The
// operations marked "user-interface thread" write only atomic fields, so a
// change lands between two ticks.

#include <atomic>
#include <string>

#include "common/text.h"
#include "rx/receive_settings.h"
#include "tx/keyer_links.h"
#include "tx/keying_timing.h"

namespace qs::tx {

struct KeyerLinks {
    KeyerTimer& timer;
    TransmitBox& transmitBox;
    KeyingLine& keyingLine;
    HamLogPttLink& hamLog;
    SentTextEcho& echo;
    rx::ReceiveSettings& receive;  // rxEnabled, historyIndex
    ReceivePathControl& receivePath;
    ControlTagHandler& controlTags;
    KeyerView& view;
    PatternLookup patternFor;
};

inline constexpr int kInitialSendPos = 4;  // just after the prompt "TX> "
inline constexpr int kPttOffDelayMs = 20;  // from the last key-up to PTT off

class Keyer {
public:
    explicit Keyer(const KeyerLinks& links);

    // One step of the machine (timer thread).
    void keyerTick();

    // User-interface thread.
    // "TX Clear": empties the box back to the prompt; a character being keyed
    // is finished, then the text counts as ended.
    void clearTx();
    // The TX Clear button: clearTx, then receive again.
    void txClearButton();
    // The "TX Edit (F9)" box: while held nothing new is fetched.
    void setTxEditHold(bool held) { txEditHold_ = held; }
    // Backspace or Delete while a contact field has the focus: release PTT at
    // the next tick if nothing is left to send.
    void requestPttRelease() { pttReleaseRequest_ = true; }
    // A new transmit speed trackbar position (0..31): unit and label follow.
    void updateTxSpeed(int trackbarPosition);
    // The keying part of the option string: echo (character 2), the weights
    // (5 to 8), PTT lead (9), TX Edit hold (10) and PTT through HamLog (19,
    // which runs the HamLog link test at once). Refreshes the speed label.
    void applyKeyingOptions(TextView optionString);

    int sendPos() const { return sendPos_; }
    int txSpeedIndex() const { return txSpeedIndex_; }
    bool txEditHold() const { return txEditHold_; }
    bool echoToRx() const { return echoToRx_; }
    int pttLeadMs() const { return pttLeadMs_; }
    bool pttViaHamLog() const { return pttViaHamLog_; }
    KeyingWeights weights() const;
    // A character, a PTT lead or a PTT tail is in progress (timer thread).
    // While it is not, the next tick changes no line, so the timer need not
    // hold that tick to the millisecond.
    bool busy() const { return patternLoaded_ || pttOn_ || pttTailPending_; }

private:
    void tickWithPattern();
    void startPttLead();
    void stepElement();
    void keyElement(char symbol);
    void endCharacter();
    void wordSpace();
    int endOfTextPeriod(int periodMs, int length);
    void finishPattern();
    void fetchTick();
    void releaseAfterTail(int length);
    void countTitleTick();
    void fetchCharacter(int position);
    int runControlTags();
    void releasePtt();
    void switchPttOff();
    void resumeReceiving();
    double unit() const { return unitMs(txSpeedIndex_); }
    void refreshSpeedLabel();

    KeyerLinks links_;

    // Shared with the user-interface thread.
    std::atomic<int> sendPos_{kInitialSendPos};
    std::atomic<bool> txEditHold_{false};
    std::atomic<bool> pttReleaseRequest_{false};
    std::atomic<bool> echoToRx_{true};
    std::atomic<bool> pttViaHamLog_{false};
    std::atomic<int> pttLeadMs_{0};
    std::atomic<int> txSpeedIndex_{kDefaultTxSpeedIndex};
    std::atomic<double> dotWeight_{KeyingWeights{}.dot};
    std::atomic<double> dashWeight_{KeyingWeights{}.dash};
    std::atomic<double> charSpaceWeight_{KeyingWeights{}.charSpace};
    std::atomic<double> wordSpaceWeight_{KeyingWeights{}.wordSpace};

    // Timer thread only.
    Text txTextCopy_;
    Text currentChar_;
    std::string currentPattern_;
    size_t patternIndex_ = 0;
    bool patternLoaded_ = false;
    bool resumeUnitPeriod_ = false;
    bool lastGapWasWord_ = false;
    bool pttOn_ = false;
    bool pttTailPending_ = false;
    int pttTailMs_ = 0;
    int titleTick_ = 0;
};

}  // namespace qs::tx
