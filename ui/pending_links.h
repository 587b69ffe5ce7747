#pragma once
// Stand-ins for the parts of the terminal that are not built yet: HamLog.
// It refuses honestly (nothing is sent) so that the rest of the terminal
// runs and reports it as unavailable.

#include "tx/keyer_links.h"

namespace qs::ui {

// HamLog is never found.
class AbsentHamLog : public tx::HamLogPttLink {
public:
    bool linkOk() const override { return false; }
    void runLinkTest() override {}
    void sendPtt(bool) override {}
};

}  // namespace qs::ui
