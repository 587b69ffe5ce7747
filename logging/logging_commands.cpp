#include "logging/logging_commands.h"

namespace qs::logging {

void LoggingCommands::qso() {
    if (hamLogChosen()) {
        parts_.hamLog.qsoTransfer();
    } else {
        parts_.logger32.sendQsoRecord(parts_.fields);
    }
}

void LoggingCommands::qsoReportingInline() {
    parts_.hamLog.setQsoReportInline();
    qso();
}

void LoggingCommands::save() {
    if (hamLogChosen()) {
        parts_.hamLog.save();
    } else {
        parts_.logger32.save();
    }
}

void LoggingCommands::saveReportingInline() {
    parts_.hamLog.setSaveReportInline();
    save();
}

// A failed HamLog link test keeps the fields: nothing of the contact is lost.
void LoggingCommands::clear() {
    if (hamLogChosen()) {
        if (!parts_.hamLog.clear()) return;
    } else {
        parts_.logger32.clear();
    }
    parts_.fields.setHisCall(u"");
    parts_.fields.setHisName(u"");
    parts_.fields.setHisQth(u"");
    parts_.hamLog.forgetContact();
    parts_.view.enableSave(false);
}

void LoggingCommands::hamLogQuery(int functionKey) {
    if (functionKey == 4) return parts_.hamLog.query(HamLogQuery::Code);
    if (!hamLogChosen()) return;
    if (functionKey == 1) parts_.hamLog.query(HamLogQuery::Call);
    if (functionKey == 2) parts_.hamLog.query(HamLogQuery::Name);
    if (functionKey == 3) parts_.hamLog.query(HamLogQuery::Qth);
}

}  // namespace qs::logging
