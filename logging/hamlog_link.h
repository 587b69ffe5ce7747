#pragma once
// The terminal's link to HamLog: the link test with "****", the QSO
// transfer, SAVE, the HamLog half of Clear, the Ctrl+F1 to Ctrl+F4 queries,
// PTT on and off, and the answers, each going to the first awaited item.
//
// Everything runs on the user-interface thread except sendPtt() and
// linkOk(), which the keying timer's thread calls. A request HamLog does not
// take (window gone, or no answer in time) is handled as a missing HamLog.

#include <atomic>
#include <optional>
#include <string_view>

#include "common/clock.h"
#include "common/text.h"
#include "logging/ansi_text.h"
#include "logging/contact_fields.h"
#include "logging/hamlog_messenger.h"
#include "logging/link_reports.h"

namespace qs::logging {

struct HamLogParts {
    HamLogMessenger& messenger;
    const AnsiCodePage& codePage;
    ContactFields& fields;
    LinkCommandView& view;
    LinkReports& reports;
    const Clock& clock;
};

enum class HamLogQuery {
    Call,  // Ctrl+F1: 101, into HisCall
    Name,  // Ctrl+F2: 111, into HisName
    Qth,   // Ctrl+F3: 112, into HisQTH
    Code,  // Ctrl+F4: 108, into HisQTH
};

class HamLogLink {
  public:
    explicit HamLogLink(const HamLogParts& parts);

    HamLogLink(const HamLogLink&) = delete;
    HamLogLink& operator=(const HamLogLink&) = delete;

    // Writes "****" into HamLog's call-sign field, reads it back and restores
    // the call that was there; `hamlogLinkOk` takes the result.
    bool linkTest();
    bool linkOk() const { return hamlogLinkOk_; }

    void query(HamLogQuery query);
    void qsoTransfer();
    void save();
    // False when the link test failed: the contact fields must stay.
    bool clear();
    // 23 or 24 when HamLog's window is found (any thread).
    void sendPtt(bool on);

    // A WM_COPYDATA payload for the main view; false when no answer was
    // awaited (the message goes to the default handling).
    bool takeAnswer(const char* data, size_t size);

    // F6 and the <VK_F6> tag, the <VK_F7> tag: report the next failures of
    // QSO or SAVE as notices.
    void setQsoReportInline() { qsoReportInline_ = true; }
    void setSaveReportInline() { saveReportInline_ = true; }
    // Option-string position 20: the mode sent with each transfer.
    void setModeOption(char16_t modeOption) { modeOption_ = modeOption; }

    // The contact is over (Clear): the next transfer starts a new entry.
    void forgetContact();
    const Text& lastTransferredCall() const { return lastTransferredCall_; }
    bool qsoTransferred() const { return qsoTransferred_; }
    int hamlogUtc() const { return hamlogUtc_; }

  private:
    enum class TestResult { Passed, Failed, Gone };

    TestResult runLinkTest(HamLogMessenger::Window hamLog);
    TestResult probeLink(HamLogMessenger::Window hamLog);
    bool probeCallField(HamLogMessenger::Window hamLog);
    bool send(HamLogMessenger::Window hamLog, const HamLogRequest& request);
    bool sendAwaiting(bool& awaited, HamLogMessenger::Window hamLog, const HamLogRequest& request);
    bool sendIf(HamLogMessenger::Window hamLog, const std::optional<HamLogRequest>& request);

    // hamlog_qso_transfer.cpp
    enum class Step { Next, Stop, Gone };
    Step sendDetails(HamLogMessenger::Window hamLog);
    Step sendCall(HamLogMessenger::Window hamLog, TextView hisCall, bool callChanged);
    bool sendDateAndTime(HamLogMessenger::Window hamLog);
    void reportQsoNotFound();
    void reportQsoFailed();

    void reportSaveNotFound();
    void reportSaveFailed(TextView messageBox, bool withoutTransfer);

    HamLogParts parts_;

    std::atomic<bool> hamlogLinkOk_{false};
    Text lastTransferredCall_;
    bool qsoTransferred_ = false;
    bool awaitCall_ = false;
    bool awaitName_ = false;
    bool awaitQth_ = false;
    bool awaitTime_ = false;
    bool awaitProbe_ = false;
    Text probeAnswer_;
    int hamlogUtc_ = 0;
    bool qsoReportInline_ = false;
    bool saveReportInline_ = false;
    char16_t modeOption_ = u'\0';
};

}  // namespace qs::logging
