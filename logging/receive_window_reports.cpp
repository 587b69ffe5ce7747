#include "logging/receive_window_reports.h"

namespace qs::logging {

void ReceiveWindowReports::writeNotice(TextView text) {
    window_.moveCaretToEnd();
    window_.insertText(u"\r\n");
    window_.applyFormat(rx::TextFormat::Notice);
    writer_.setWriterState(rx::WriterState::Notice);
    alerts_.beep();
    window_.insertText(text);
}

}  // namespace qs::logging
