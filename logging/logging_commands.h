#pragma once
// The operating screen's logging commands as the view's keys, buttons and
// macro tags call them: QSO, SAVE and Clear go to HamLog or Logger32,
// whichever is the logging program; Ctrl+F1 to Ctrl+F4 ask HamLog for a
// contact field.
//
// | Caller                                   | Call                  |
// |------------------------------------------|-----------------------|
// | QSO button 1001, Enter in call capture   | qso()                 |
// | F6, <VK_F6> tag                          | qsoReportingInline()  |
// | SAVE button 1002, F7                     | save()                |
// | <VK_F7> tag                              | saveReportingInline() |
// | Clear button 1000, Esc                   | clear()               |
// | Ctrl+F1 to Ctrl+F4                       | hamLogQuery(1 to 4)   |
//
// The rest of the view's wiring:
// - WM_COPYDATA: takeHamLogAnswer (hamlog_messenger_win32.h); WM_TIMER and
//   the handshake message: handleLogger32Message (logger32_messenger_win32.h).
// - settings::LoggingProgram: logger32Connected() is Logger32Link::connected(),
//   start/stopLogger32Search() are Logger32Link::startSearch/stopSearch().
// - The title refresh (tx::TitleSources): findLogger32Window() is
//   Logger32Link::findWindow(), restartLogger32Poll() Logger32Link::restartSearch().
// - The keying engine's tx::HamLogPttLink: HamLogPtt (hamlog_ptt.h).
// - Option-string position 20 when options are applied: HamLogLink::setModeOption.
//
// User-interface thread only.

#include "logging/contact_fields.h"
#include "logging/hamlog_link.h"
#include "logging/link_reports.h"
#include "logging/logger32_link.h"
#include "settings/settings_view.h"

namespace qs::logging {

struct LoggingCommandParts {
    HamLogLink& hamLog;
    Logger32Link& logger32;
    ContactFields& fields;
    LinkCommandView& view;
    const settings::LoggingProgram& program;
};

class LoggingCommands {
  public:
    explicit LoggingCommands(const LoggingCommandParts& parts) : parts_(parts) {}

    void qso();
    void qsoReportingInline();
    void save();
    void saveReportingInline();
    void clear();
    // Ctrl+F1 call, Ctrl+F2 name, Ctrl+F3 QTH: only with HamLog as the
    // logging program; Ctrl+F4 (code) whenever HamLog's window is found.
    void hamLogQuery(int functionKey);

  private:
    bool hamLogChosen() const { return parts_.program.logSoftIsHamLog(); }

    LoggingCommandParts parts_;
};

}  // namespace qs::logging
