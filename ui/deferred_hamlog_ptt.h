#pragma once
// The keying engine's HamLog PTT switch, which the engine needs before the
// logging links exist: it forwards to the links' switch once that is
// attached, and until then HamLog counts as not found.

#include "tx/keyer_links.h"

namespace qs::ui {

class DeferredHamLogPtt : public tx::HamLogPttLink {
public:
    // Called once on the user-interface thread, before the keying timer runs.
    void attach(tx::HamLogPttLink& link) { link_ = &link; }

    bool linkOk() const override { return link_ && link_->linkOk(); }
    void runLinkTest() override {
        if (link_) link_->runLinkTest();
    }
    void sendPtt(bool on) override {
        if (link_) link_->sendPtt(on);
    }

private:
    tx::HamLogPttLink* link_ = nullptr;
};

}  // namespace qs::ui
