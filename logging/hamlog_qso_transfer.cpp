// The QSO transfer to HamLog: a new entry on a changed call, the details
// (mode, name, QTH, reports), the station's country, then the call sign on
// a changed call or date and time on a repeated one.

#include "logging/hamlog_link.h"
#include "logging/printable_ascii.h"

namespace qs::logging {

void HamLogLink::qsoTransfer() {
    const HamLogMessenger::Window hamLog = parts_.messenger.findHamLog();
    if (hamLog == 0) return reportQsoNotFound();
    const TestResult test = runLinkTest(hamLog);
    if (test == TestResult::Gone) return reportQsoNotFound();
    if (test == TestResult::Failed) return reportQsoFailed();

    const Text hisCall = parts_.fields.hisCall();
    const bool callChanged = hisCall != lastTransferredCall_;
    if (callChanged && !send(hamLog, noPayloadRequest(hamlog::kNewEntry))) {
        return reportQsoNotFound();
    }
    Step step = sendDetails(hamLog);
    if (step == Step::Next && hisCall.size() >= 2) step = sendCall(hamLog, hisCall, callChanged);
    if (step == Step::Gone) return reportQsoNotFound();
    if (step == Step::Stop) return;
    parts_.view.focusTransmitBox();
    parts_.view.enableSave(true);
    qsoTransferred_ = true;
}

HamLogLink::Step HamLogLink::sendDetails(HamLogMessenger::Window hamLog) {
    const AnsiCodePage& codePage = parts_.codePage;
    const bool sent = sendIf(hamLog, modeRequest(modeOption_)) &&
                      sendIf(hamLog, nameRequest(parts_.fields.hisName(), codePage)) &&
                      sendIf(hamLog, qthRequest(parts_.fields.hisQth(), codePage)) &&
                      sendIf(hamLog, rstRequest(hamlog::kHisRst, parts_.fields.hisRst(),
                                                hamlog::kHisRstMaxChars));
    if (!sent) return Step::Gone;
    const Text myRst = parts_.fields.myRst();
    if (myRst.empty()) return Step::Next;
    const std::optional<HamLogRequest> myRstRequest = rstRequest(hamlog::kMyRst, myRst, Text::npos);
    if (!myRstRequest) {
        parts_.reports.showMessage(u"English Only!!");
        return Step::Stop;
    }
    return send(hamLog, *myRstRequest) ? Step::Next : Step::Gone;
}

HamLogLink::Step HamLogLink::sendCall(HamLogMessenger::Window hamLog, TextView hisCall,
                                      bool callChanged) {
    const std::uint32_t country =
        isJapaneseStation(hisCall) ? hamlog::kJapanese : hamlog::kOutsideJapan;
    if (!send(hamLog, noPayloadRequest(country))) return Step::Gone;
    if (!callChanged) return sendDateAndTime(hamLog) ? Step::Next : Step::Gone;
    // A call HamLog did not take is sent again, with a new entry, next time.
    const std::optional<HamLogRequest> call = asciiRequest(hamlog::kEnterCall, hisCall);
    if (call && !send(hamLog, *call)) return Step::Gone;
    lastTransferredCall_ = Text(hisCall);
    if (!call) {
        parts_.reports.showMessage(u"English only");
        return Step::Stop;
    }
    return Step::Next;
}

// The same call again: the time HamLog shows tells whether it logs in UTC.
// Without an answer the zone of the last answer stays.
bool HamLogLink::sendDateAndTime(HamLogMessenger::Window hamLog) {
    if (!sendAwaiting(awaitTime_, hamLog, noPayloadRequest(hamlog::kAskTime))) return false;
    const bool utc = hamlogUtc_ > 0;
    const std::tm now = utc ? parts_.clock.utcTime() : parts_.clock.localTime();
    Text time = formatTime(now, "%H:%M");
    time += utc ? u'U' : u'J';
    return sendIf(hamLog, asciiRequest(hamlog::kDate, formatTime(now, "%y/%m/%d"))) &&
           sendIf(hamLog, asciiRequest(hamlog::kTime, time));
}

void HamLogLink::reportQsoNotFound() {
    if (qsoReportInline_) {
        parts_.reports.writeNotice(u"HamLog not found\r\n");
        qsoReportInline_ = false;
    } else {
        parts_.reports.showMessage(u"Pls start HamLog");
    }
    parts_.view.resumeReceiving();
}

void HamLogLink::reportQsoFailed() {
    if (qsoReportInline_) {
        parts_.reports.writeNotice(u"Can't send data to HamLog\r\n");
        qsoReportInline_ = false;
    } else {
        parts_.reports.showMessage(u"Can't send data to HamLog.");
    }
    parts_.view.resumeReceiving();
}

}  // namespace qs::logging
