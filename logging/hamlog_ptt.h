#pragma once
// HamLog as the keying engine's PTT switch. The engine calls from the keying
// timer's thread (and, when options are applied, from the user-interface
// thread); the link test needs HamLog's answers, which arrive on the
// user-interface thread, so from any other thread it is only requested.

#include <functional>
#include <thread>
#include <utility>

#include "logging/hamlog_link.h"
#include "tx/keyer_links.h"

namespace qs::logging {

class HamLogPtt : public tx::HamLogPttLink {
  public:
    // Constructed on the user-interface thread. `requestLinkTest` makes that
    // thread run the test soon without waiting for it (a posted message on
    // Windows).
    HamLogPtt(HamLogLink& link, std::function<void()> requestLinkTest)
        : link_(link),
          requestLinkTest_(std::move(requestLinkTest)),
          uiThread_(std::this_thread::get_id()) {}

    bool linkOk() const override { return link_.linkOk(); }
    void runLinkTest() override;
    void sendPtt(bool on) override { link_.sendPtt(on); }

  private:
    HamLogLink& link_;
    std::function<void()> requestLinkTest_;
    std::thread::id uiThread_;
};

}  // namespace qs::logging
