#pragma once
// The terminal's link to Logger32: the search for its window on timer 1
// (8000 ms), the handshake over the registered messages "Logger32 1" to
// "Logger32 5" (200 ms between tries after a rejection), the window Logger32
// names for the records, and the QSO, SAVE and Clear records.
//
// Progress and failures are lines in the receive window. User-interface
// thread only.

#include <cstdint>

#include "common/text.h"
#include "logging/contact_fields.h"
#include "logging/link_reports.h"
#include "logging/logger32_messenger.h"

namespace qs::logging {

struct Logger32Parts {
    Logger32Messenger& messenger;
    ConnectTimer& timer;
    LinkReports& reports;
};

class Logger32Link {
  public:
    static constexpr int kSearchPeriodMs = 8000;
    static constexpr int kRetryPeriodMs = 200;
    static constexpr int kNameCount = 5;

    explicit Logger32Link(const Logger32Parts& parts);

    Logger32Link(const Logger32Link&) = delete;
    Logger32Link& operator=(const Logger32Link&) = delete;

    // Timer 1 with the period last used (`StartLogger32Search`), and its end.
    void startSearch();
    void stopSearch();
    // The title refresh: looks for Logger32 and, when it is missing, starts
    // searching again every 8000 ms.
    bool findWindow();
    void restartSearch();

    // Timer 1 expired (`Logger32TimerTick`).
    void onTimerTick();
    // The registered message the handshake uses now; 0 before the first one.
    unsigned handshakeMessage() const { return logger32Message_; }
    // A message numbered handshakeMessage() arrived; false when it is not
    // part of the handshake and goes to the default window procedure.
    bool onHandshakeMessage(std::uintptr_t wParam, std::uintptr_t lParam);

    // `Logger32SendRecord`, `Logger32Save`, `Logger32Clear`.
    void sendQsoRecord(const ContactFields& fields);
    void save();
    void clear();

    bool connected() const { return logger32Connected_; }
    int connectTimerPeriodMs() const { return connectTimerPeriodMs_; }
    Logger32Messenger::Window target() const { return logger32Target_; }

  private:
    void onSearchTick();
    void onRetryTick();
    // 1 to 5 for the registered message in use, 0 when none of them.
    int nameNumber() const;
    unsigned registeredMessage(int nameNumber) const;
    void postConnectionRequest();
    void stopTimer();
    void sendRecord(const std::string& record);

    Logger32Parts parts_;
    Logger32Messenger::Window logger32Window_ = 0;
    unsigned logger32Message_ = 0;
    bool logger32Connected_ = false;
    Logger32Messenger::Window logger32Target_ = 0;
    int connectTimerPeriodMs_ = kSearchPeriodMs;
};

}  // namespace qs::logging
