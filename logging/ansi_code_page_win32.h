#pragma once
// The thread's ANSI code page (CP_THREAD_ACP), as HamLog's requests and
// answers use it.

#include "logging/ansi_text.h"

namespace qs::logging {

class ThreadAnsiCodePage : public AnsiCodePage {
  public:
    std::string encode(TextView text) const override;
    Text decode(std::string_view bytes) const override;
};

}  // namespace qs::logging
