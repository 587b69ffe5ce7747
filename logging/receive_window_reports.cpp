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

// A line inserted at the caret would land inside a word being received or
// sent ("TX> PARLogger32 not found" then "IS"); it goes to the end instead,
// after a line break unless a notice or another such line ended there.
void ReceiveWindowReports::writeLine(TextView text) {
    window_.moveCaretToEnd();
    if (writer_.writerState() != rx::WriterState::Notice) window_.insertText(u"\r\n");
    writer_.setWriterState(rx::WriterState::Notice);
    window_.insertText(text);
}

}  // namespace qs::logging
