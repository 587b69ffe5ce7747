#include "ui/logging_program_link.h"

#include "settings/option_string.h"
#include "ui/control_ids.h"

namespace qs::ui {

bool LoggingProgramLink::connected() const {
    return hamLogChosen() ? hamLog_.linkOk() : logger32_.connected();
}

// HamLog reports its own failed link test; Logger32's clear cannot fail.
bool LoggingProgramLink::clearContact() {
    if (hamLogChosen()) return hamLog_.clear();
    logger32_.clear();
    return true;
}

void LoggingProgramLink::transferQso(bool reportInline) {
    if (!hamLogChosen()) return logger32_.sendQsoRecord(fields_);
    hamLog_.setModeOption(settings::optionAt(optionString_, settings::option::kHamLogMode));
    if (reportInline) hamLog_.setQsoReportInline();
    hamLog_.qsoTransfer();
}

void LoggingProgramLink::saveQso() {
    if (hamLogChosen()) {
        hamLog_.save();
    } else {
        logger32_.save();
    }
}

void LoggingProgramLink::saveQsoReportingInline() {
    if (hamLogChosen()) hamLog_.setSaveReportInline();
    saveQso();
}

void LoggingProgramLink::queryHamLog(HamLogQuery query) {
    switch (query) {
        case HamLogQuery::CallSign:
            return hamLog_.query(logging::HamLogQuery::Call);
        case HamLogQuery::Name:
            return hamLog_.query(logging::HamLogQuery::Name);
        case HamLogQuery::Qth:
            return hamLog_.query(logging::HamLogQuery::Qth);
        case HamLogQuery::QthByCall:
            return hamLog_.query(logging::HamLogQuery::Code);
    }
}

Text FormContactFields::hisCall() const {
    return form_.controlText(control::kHisCall);
}
Text FormContactFields::hisName() const {
    return form_.controlText(control::kHisName);
}
Text FormContactFields::hisQth() const {
    return form_.controlText(control::kHisQth);
}
Text FormContactFields::hisRst() const {
    return form_.controlText(control::kHisRst);
}
Text FormContactFields::myRst() const {
    return form_.controlText(control::kMyRst);
}

void FormContactFields::setHisCall(TextView text) {
    form_.setControlText(control::kHisCall, text);
}

void FormContactFields::setHisName(TextView text) {
    form_.setControlText(control::kHisName, text);
}

void FormContactFields::setHisQth(TextView text) {
    form_.setControlText(control::kHisQth, text);
}

void FormLinkView::enableSave(bool enabled) {
    form_.enableControl(control::kSave, enabled);
}

void FormLinkView::focusTransmitBox() {
    form_.focusControl(control::kTransmitBox);
}

void FormLinkView::resumeReceiving() {
    core_.receiveSettings().rxEnabled = true;
    core_.receiveSettings().historyIndex = 0;
}

}  // namespace qs::ui
