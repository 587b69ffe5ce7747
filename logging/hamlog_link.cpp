#include "logging/hamlog_link.h"

#include "logging/printable_ascii.h"

namespace qs::logging {

HamLogLink::HamLogLink(const HamLogParts& parts) : parts_(parts) {}

bool HamLogLink::send(HamLogMessenger::Window hamLog, const HamLogRequest& request) {
    return parts_.messenger.send(hamLog, request);
}

// A request HamLog did not take awaits nothing: a late answer must not land
// in a field a later request is waiting for.
bool HamLogLink::sendAwaiting(bool& awaited, HamLogMessenger::Window hamLog,
                              const HamLogRequest& request) {
    awaited = true;
    if (send(hamLog, request)) return true;
    awaited = false;
    return false;
}

bool HamLogLink::sendIf(HamLogMessenger::Window hamLog,
                        const std::optional<HamLogRequest>& request) {
    return !request || send(hamLog, *request);
}

bool HamLogLink::linkTest() {
    const HamLogMessenger::Window hamLog = parts_.messenger.findHamLog();
    if (hamLog == 0) {
        hamlogLinkOk_ = false;
        return false;
    }
    return runLinkTest(hamLog) == TestResult::Passed;
}

// Asks for the call-sign field; the answer lands in probeAnswer_. Without
// an answer it reads empty, so that "****" left from an earlier test cannot
// pass a HamLog that no longer answers.
bool HamLogLink::probeCallField(HamLogMessenger::Window hamLog) {
    probeAnswer_.clear();
    return sendAwaiting(awaitProbe_, hamLog, noPayloadRequest(hamlog::kAskCall));
}

// `hamlogLinkOk` changes only once the test is over: the keying engine may
// read it meanwhile.
HamLogLink::TestResult HamLogLink::runLinkTest(HamLogMessenger::Window hamLog) {
    const TestResult result = probeLink(hamLog);
    hamlogLinkOk_ = result == TestResult::Passed;
    return result;
}

HamLogLink::TestResult HamLogLink::probeLink(HamLogMessenger::Window hamLog) {
    if (!probeCallField(hamLog)) return TestResult::Gone;
    const Text presentCall = probeAnswer_;
    if (!send(hamLog, *asciiRequest(hamlog::kWriteCall, hamlog::kProbeCall))) {
        return TestResult::Gone;
    }
    if (!probeCallField(hamLog)) return TestResult::Gone;
    if (probeAnswer_ != hamlog::kProbeCall) return TestResult::Failed;
    const std::optional<HamLogRequest> restore = asciiRequest(hamlog::kWriteCall, presentCall);
    if (!restore) return TestResult::Failed;
    return send(hamLog, *restore) ? TestResult::Passed : TestResult::Gone;
}

void HamLogLink::query(HamLogQuery query) {
    const HamLogMessenger::Window hamLog = parts_.messenger.findHamLog();
    if (hamLog == 0) return;
    switch (query) {
        case HamLogQuery::Call:
            sendAwaiting(awaitCall_, hamLog, noPayloadRequest(hamlog::kAskCall));
            break;
        case HamLogQuery::Name:
            sendAwaiting(awaitName_, hamLog, noPayloadRequest(hamlog::kAskName));
            break;
        case HamLogQuery::Qth:
            sendAwaiting(awaitQth_, hamLog, noPayloadRequest(hamlog::kAskQth));
            break;
        case HamLogQuery::Code:
            sendAwaiting(awaitQth_, hamLog, noPayloadRequest(hamlog::kAskCode));
            break;
    }
}

void HamLogLink::sendPtt(bool on) {
    const HamLogMessenger::Window hamLog = parts_.messenger.findHamLog();
    if (hamLog != 0) send(hamLog, noPayloadRequest(on ? hamlog::kPttOn : hamlog::kPttOff));
}

bool HamLogLink::takeAnswer(const char* data, size_t size) {
    if (!(awaitCall_ || awaitName_ || awaitQth_ || awaitTime_ || awaitProbe_)) return false;
    const Text text = hamLogAnswerText(data, size, parts_.codePage);
    if (awaitCall_) {
        awaitCall_ = false;
        parts_.fields.setHisCall(text);
    } else if (awaitName_) {
        awaitName_ = false;
        parts_.fields.setHisName(text);
    } else if (awaitQth_) {
        awaitQth_ = false;
        parts_.fields.setHisQth(text);
    } else if (awaitTime_) {
        awaitTime_ = false;
        hamlogUtc_ = hamLogUtcFromTimeAnswer(text);
    } else {
        awaitProbe_ = false;
        probeAnswer_ = text;
    }
    return true;
}

void HamLogLink::save() {
    const HamLogMessenger::Window hamLog = parts_.messenger.findHamLog();
    if (hamLog == 0) return reportSaveNotFound();
    if (!qsoTransferred_) {
        return reportSaveFailed(u"Can't send data to HamLog\r\nPls push QSO button previously",
                                true);
    }
    const TestResult test = runLinkTest(hamLog);
    if (test == TestResult::Gone) return reportSaveNotFound();
    if (test == TestResult::Failed) return reportSaveFailed(u"Can't send data to HamLog", false);
    // A save HamLog did not take keeps the contact for another try.
    if (!send(hamLog, noPayloadRequest(hamlog::kSaveQso))) return reportSaveNotFound();
    parts_.fields.setHisCall(u"");
    parts_.fields.setHisName(u"");
    parts_.fields.setHisQth(u"");
    forgetContact();
    parts_.view.enableSave(false);
    if (!parts_.view.fieldFocusLatch()) parts_.view.focusTransmitBox();
}

void HamLogLink::reportSaveNotFound() {
    if (saveReportInline_) {
        parts_.reports.writeNotice(u"Pls start HamLog!!\r\n");
        saveReportInline_ = false;
    } else {
        parts_.reports.showMessage(u"Pls start HamLog");
    }
    parts_.view.resumeReceiving();
}

// Without a transfer first, the exclamation box and SAVE disabled.
void HamLogLink::reportSaveFailed(TextView messageBox, bool withoutTransfer) {
    if (saveReportInline_) {
        parts_.reports.writeNotice(u"Can't send data to HamLog!!\r\n");
        saveReportInline_ = false;
    } else if (withoutTransfer) {
        parts_.reports.showExclamation(messageBox);
    } else {
        parts_.reports.showMessage(messageBox);
    }
    if (withoutTransfer) parts_.view.enableSave(false);
    parts_.view.resumeReceiving();
}

// A HamLog that went away while being tested counts as absent: the fields
// are emptied as without HamLog.
bool HamLogLink::clear() {
    const HamLogMessenger::Window hamLog = parts_.messenger.findHamLog();
    if (hamLog == 0) return true;
    const TestResult test = runLinkTest(hamLog);
    if (test == TestResult::Failed) {
        parts_.reports.showMessage(u"Can't send data to HamLog");
        parts_.view.resumeReceiving();
        return false;
    }
    if (test == TestResult::Passed) send(hamLog, noPayloadRequest(hamlog::kNewEntry));
    return true;
}

void HamLogLink::forgetContact() {
    lastTransferredCall_.clear();
    qsoTransferred_ = false;
}

}  // namespace qs::logging
