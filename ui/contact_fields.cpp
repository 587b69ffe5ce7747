#include "ui/contact_fields.h"

#include <algorithm>

#include "logging/call_sign.h"
#include "ui/control_ids.h"

namespace qs::ui {

namespace {

constexpr int kPromptLength = 4;  // "RX> "

bool endsWord(char16_t c) {
    return c == u' ' || c == u'\r' || c == u'\n';
}

}  // namespace

Text wordAroundCaret(TextView text, int caret) {
    const int length = static_cast<int>(text.size());
    caret = std::clamp(caret, 0, length);
    int start = caret;
    while (start > kPromptLength && !endsWord(text[start - 1])) --start;
    start = std::max(start, kPromptLength);
    int end = caret;
    while (end < length && !endsWord(text[end])) ++end;
    if (end - start > kClickedWordLimit) start = std::max(end - kClickedWordLimit, kPromptLength);
    if (end <= start) return {};
    return Text(text.substr(start, end - start));
}

ContactFields::ContactFields(const Links& links) : links_(links) {}

bool ContactFields::isContactField(int controlId) {
    return controlId >= control::kHisCall && controlId <= control::kHisQth;
}

ContactFields::Field& ContactFields::field(int fieldId) {
    return fields_[std::clamp(fieldId - control::kHisCall, 0, 2)];
}
const ContactFields::Field& ContactFields::field(int fieldId) const {
    return fields_[std::clamp(fieldId - control::kHisCall, 0, 2)];
}

bool ContactFields::fieldFocused(int fieldId) const {
    return isContactField(fieldId) && field(fieldId).focused;
}

const Text& ContactFields::savedText(int fieldId) const {
    return field(fieldId).saved;
}

// HisCall and HisName latch the focus, so that commands typed while they
// are edited leave it there; HisQTH, the last field, releases it.
void ContactFields::onFieldFocus(int fieldId) {
    if (!isContactField(fieldId)) return;
    takeStagedText(fieldId);
    field(fieldId).focused = true;
    links_.latch.setFieldFocusLatch(fieldId != control::kHisQth);
}

void ContactFields::onFieldBlur(int fieldId) {
    if (!isContactField(fieldId)) return;
    field(fieldId).focused = false;
    links_.latch.setFieldFocusLatch(false);
    field(fieldId).saved = links_.form.controlText(fieldId);
}

void ContactFields::takeStagedText(int fieldId) {
    const Text staged = links_.form.controlText(control::kStagingEdit);
    if (staged.empty()) {
        takeCandidateWord(fieldId);
        return;
    }
    candidateWord_.clear();
    links_.form.setControlText(fieldId, staged);
    links_.form.setControlText(control::kStagingEdit, u"");
    links_.form.emptyClipboardIfText();
}

// A clicked word goes into HisCall only as a call sign, in its canonical
// form; HisName and HisQTH take it as it is.
void ContactFields::takeCandidateWord(int fieldId) {
    if (candidateWord_.empty()) return;
    Text word = std::move(candidateWord_);
    candidateWord_.clear();
    if (fieldId == control::kHisCall && !logging::NormalizeCallSign(word)) return;
    links_.form.setControlText(fieldId, word);
}

void ContactFields::onTransmitBoxFocusChange() {
    links_.latch.setFieldFocusLatch(true);
    candidateWord_.clear();
}

void ContactFields::onHisCallChanged() {
    if (links_.state.fiveNnReset()) {
        resetReport(control::kHisRst);
        resetReport(control::kMyRst);
    }
    if (links_.state.autoCqRunning() && !links_.form.controlText(control::kHisCall).empty()) {
        links_.state.stopAutoCq();
        links_.transmit.clearTx();
    }
}

void ContactFields::resetReport(int comboId) {
    if (links_.form.controlText(comboId).size() == 3) {
        links_.form.setControlText(comboId, kRstDefault);
    }
}

void ContactFields::onReceiveWindowFocus() {
    links_.hold.enterHold();
}

void ContactFields::onReceiveWindowBlur() {
    if (links_.receiveWindow.hasSelection()) {
        candidateWord_.clear();
        stageSelection();
    } else {
        candidateWord_ = wordAroundCaret(links_.receiveWindow.receiveText(),
                                         links_.receiveWindow.caretPosition());
    }
    links_.hold.leaveHold();
}

// A call sign selected with a space inside arrives without it.
void ContactFields::stageSelection() {
    links_.receiveWindow.stageSelection();
    const Text staged = links_.form.controlText(control::kStagingEdit);
    Text packed = staged;
    packed.erase(std::remove(packed.begin(), packed.end(), u' '), packed.end());
    if (packed.size() != staged.size()) links_.form.setControlText(control::kStagingEdit, packed);
}

void ContactFields::recallSavedText() {
    for (const int id : {control::kHisCall, control::kHisName, control::kHisQth}) {
        if (!field(id).focused) continue;
        if (links_.form.controlText(id).empty()) links_.form.setControlText(id, field(id).saved);
        return;
    }
}

}  // namespace qs::ui
