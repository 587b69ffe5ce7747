#pragma once
// Control tags of the send text ("<+1 UP>", "<VK_F6>", "<CALLGET>",
// "<ORIGINAL>", ...). They stay in the transmit box and act when the keying
// engine reaches them; they are never keyed, the send position jumps over
// them. They match in their upper-case form only.

#include "common/text.h"
#include "rx/receive_settings.h"
#include "tx/keyer_links.h"
#include "tx/tag_speed_memory.h"

namespace qs::tx {

// The rest of the terminal as the control tags reach it. Called on the
// keying timer's thread.
class ControlTagTarget {
public:
    virtual ~ControlTagTarget() = default;

    // Position of the transmit speed trackbar (1018), 0..31.
    virtual int txSpeedPosition() const = 0;
    // Moves the trackbar with redraw, then refreshes the send speed
    // (`UpdateTxSpeed`), so that the next symbol is timed at the new speed.
    virtual void setTxSpeedPosition(int position) = 0;

    // Sets `qsoReportInline`, then runs the QSO command.
    virtual void runQsoReportingInline() = 0;
    // Sets `saveReportInline`, then runs the SAVE command.
    virtual void runSaveReportingInline() = 0;

    virtual void clearHisCall() = 0;
    // Arms the call-sign capture from received text: count 0, capture on.
    virtual void armCallCapture() = 0;
    // Caption of the HisCall group box (1063).
    virtual void setHisCallGroupCaption(TextView caption) = 0;
};

class ControlTagProcessor : public ControlTagHandler {
public:
    ControlTagProcessor(ControlTagTarget& target, rx::ReceiveSettings& receive,
                        TagSpeedMemory& speedMemory);

    // Acts on every control tag found at `sendPos` of the transmit box text
    // and moves `sendPos` past them. Called by the keying engine before each
    // character is fetched and at each character end and word space. Returns
    // whether `sendPos` moved.
    bool ProcessControlTags(TextView txText, int& sendPos);
    void processControlTags(TextView txText, int& sendPos) override {
        ProcessControlTags(txText, sendPos);
    }

private:
    struct ControlTag;
    static const ControlTag* tagAt(TextView txText, int sendPos);
    void act(const ControlTag& tag);
    void stepSpeed(int steps);
    void restoreSpeed();

    ControlTagTarget& target_;
    rx::ReceiveSettings& receive_;
    TagSpeedMemory& speedMemory_;
};

}  // namespace qs::tx
