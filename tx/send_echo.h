#pragma once
// Echo of sent characters into the receive window, which the received text
// shares. The first sent character after received text opens a "TX> " line
// (flushing the QSO log first); characters that cannot be sent are shown in
// the notice colour.

#include "rx/receive_window.h"
#include "tx/keyer_links.h"

namespace qs::tx {

class SendEcho : public SentTextEcho {
public:
    SendEcho(rx::ReceiveWindow& window, EchoWriterState& writer, TxPromptLog& log);

    void echoSent(char16_t character) override;
    void echoUnsendable(char16_t character) override;

private:
    void writeTxPrompt();
    void insert(char16_t character);

    rx::ReceiveWindow& window_;
    EchoWriterState& writer_;
    TxPromptLog& log_;
};

}  // namespace qs::tx
