#include "tx/send_echo.h"

namespace qs::tx {

using rx::TextFormat;
using rx::WriterState;

SendEcho::SendEcho(rx::ReceiveWindow& window, EchoWriterState& writer, TxPromptLog& log)
    : window_(window), writer_(writer), log_(log) {}

void SendEcho::echoSent(char16_t character) {
    window_.moveCaretToEnd();
    const WriterState state = writer_.writerState();
    if (state != WriterState::Sent) {
        window_.applyFormat(TextFormat::Sent);
        if (state == WriterState::Received) writeTxPrompt();
        writer_.setWriterState(WriterState::Sent);
    }
    insert(character);
}

void SendEcho::echoUnsendable(char16_t character) {
    window_.moveCaretToEnd();
    const WriterState state = writer_.writerState();
    if (state != WriterState::Notice) {
        if (state == WriterState::Received) {
            window_.applyFormat(TextFormat::Sent);
            writeTxPrompt();
        }
        window_.applyFormat(TextFormat::Notice);
        writer_.setWriterState(WriterState::Notice);
    }
    insert(character);
}

void SendEcho::writeTxPrompt() {
    if (log_.qsoLogOn()) log_.logBeforeTxPrompt();
    window_.insertText(u"\r\nTX> ");
    window_.moveCaretToEnd();
}

void SendEcho::insert(char16_t character) {
    window_.insertText(TextView(&character, 1));
}

}  // namespace qs::tx
