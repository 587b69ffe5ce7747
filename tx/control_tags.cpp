#include "tx/control_tags.h"

#include <algorithm>
#include <array>

namespace qs::tx {

namespace {

constexpr int kMinSpeedPosition = 0;
constexpr int kMaxSpeedPosition = 31;
constexpr TextView kCaptureCaption = u"HisCall";

enum class TagAction {
    StepSpeed,
    QsoCommand,
    SaveCommand,
    ClearHisCall,
    RestartRxSpeed,
    CallGet,
    RestoreSpeed,
};

}  // namespace

struct ControlTagProcessor::ControlTag {
    TextView text;
    TagAction action;
    int speedSteps;  // trackbar steps of a speed tag, negative for "DOWN"
};

ControlTagProcessor::ControlTagProcessor(ControlTagTarget& target, rx::ReceiveSettings& receive,
                                         TagSpeedMemory& speedMemory)
    : target_(target), receive_(receive), speedMemory_(speedMemory) {}

bool ControlTagProcessor::ProcessControlTags(TextView txText, int& sendPos) {
    const int startPos = sendPos;
    while (const ControlTag* tag = tagAt(txText, sendPos)) {
        act(*tag);
        sendPos += static_cast<int>(tag->text.size());
    }
    return sendPos != startPos;
}

const ControlTagProcessor::ControlTag* ControlTagProcessor::tagAt(TextView txText, int sendPos) {
    // In order of length (7, 9, 10); every tag starts with "<" and ends with ">".
    static const std::array<ControlTag, 12> kTags = {{
        {u"<+1 UP>", TagAction::StepSpeed, 1},
        {u"<+2 UP>", TagAction::StepSpeed, 2},
        {u"<+3 UP>", TagAction::StepSpeed, 3},
        {u"<VK_F6>", TagAction::QsoCommand, 0},
        {u"<VK_F7>", TagAction::SaveCommand, 0},
        {u"<VK_F1>", TagAction::ClearHisCall, 0},
        {u"<VK_F5>", TagAction::RestartRxSpeed, 0},
        {u"<-1 DOWN>", TagAction::StepSpeed, -1},
        {u"<-2 DOWN>", TagAction::StepSpeed, -2},
        {u"<-3 DOWN>", TagAction::StepSpeed, -3},
        {u"<CALLGET>", TagAction::CallGet, 0},
        {u"<ORIGINAL>", TagAction::RestoreSpeed, 0},
    }};
    if (sendPos < 0 || static_cast<size_t>(sendPos) >= txText.size()) return nullptr;
    const TextView rest = txText.substr(static_cast<size_t>(sendPos));
    for (const ControlTag& tag : kTags) {
        if (rest.substr(0, tag.text.size()) == tag.text) return &tag;
    }
    return nullptr;
}

void ControlTagProcessor::act(const ControlTag& tag) {
    switch (tag.action) {
        case TagAction::StepSpeed:
            stepSpeed(tag.speedSteps);
            break;
        case TagAction::QsoCommand:
            target_.runQsoReportingInline();
            break;
        case TagAction::SaveCommand:
            target_.runSaveReportingInline();
            break;
        case TagAction::ClearHisCall:
            target_.clearHisCall();
            break;
        case TagAction::RestartRxSpeed:
            // As the F5 key: letters end again only after a fresh speed estimate.
            receive_.letterEndEnabled = false;
            receive_.historyIndex = 0;
            break;
        case TagAction::CallGet:
            target_.armCallCapture();
            target_.setHisCallGroupCaption(kCaptureCaption);
            break;
        case TagAction::RestoreSpeed:
            restoreSpeed();
            break;
    }
}

void ControlTagProcessor::stepSpeed(int steps) {
    speedMemory_.saveBeforeTag(target_.txSpeedPosition());
    const int position = target_.txSpeedPosition() + steps;
    target_.setTxSpeedPosition(std::clamp(position, kMinSpeedPosition, kMaxSpeedPosition));
}

void ControlTagProcessor::restoreSpeed() {
    int savedPosition = 0;
    if (speedMemory_.takeSaved(savedPosition)) target_.setTxSpeedPosition(savedPosition);
}

}  // namespace qs::tx
