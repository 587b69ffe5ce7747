#include "logging/hamlog_ptt.h"

namespace qs::logging {

void HamLogPtt::runLinkTest() {
    if (std::this_thread::get_id() == uiThread_) {
        link_.linkTest();
    } else if (requestLinkTest_) {
        requestLinkTest_();
    }
}

}  // namespace qs::logging
