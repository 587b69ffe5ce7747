#pragma once
// The QSO text log: with "Save" set in the options, everything shown in the
// receive window (received text and the echo of sent text) is also appended
// to a dated text file in chunks, each chunk followed by a time-stamped prompt
// line where the window switches between receiving and sending. The file is
// UTF-8; a line feed is stored as carriage return plus line feed and a
// carriage return as it is. Nothing is ever written except at the file's end,
// and failed writes are not reported (that chunk is lost).

#include <cstddef>

#include "common/clock.h"
#include "common/text.h"
#include "rx/receive_text.h"

namespace qs::settings {

// The receive window's whole text as the window counts it: a line break is
// one character ("\r").
class ReceiveWindowText {
public:
    virtual ~ReceiveWindowText() = default;
    virtual Text allText() const = 0;
};

// Who starts the log; this chooses the file name's base and the header.
enum class QsoLogStart {
    AtApply,      // a settings document is being applied
    FromOptions,  // the Options dialog turned "Save" on
};

class QsoLog : public rx::RxPromptLog {
public:
    QsoLog(const ReceiveWindowText& window, const Clock& clock);

    // The applied document's path name; starting the log at apply cuts it to
    // its folder (up to and including the last "\" or "/").
    void setDocumentPath(TextView path) { documentPath_ = Text(path); }
    const Text& documentPath() const { return documentPath_; }

    // Names a new file base + local "%Y%m%d[%H%MJ]" + ".txt" and appends the
    // header "Quillstone" (at apply) or "QSTN " (from the options) + the same
    // stamp + "\r\n". The base is the document's folder at apply, and
    // documentPath as it stands from the options; there an empty
    // documentPath starts nothing and gives false.
    bool startQsoLog(QsoLogStart start);

    bool qsoLogOn() const override { return qsoLogOn_; }
    const Text& qsoLogPath() const { return qsoLogPath_; }

    // Just before the receive path writes "\r\nRX> " or the keying engine
    // writes "\r\nTX> ": appends the text shown since the last chunk, then
    // "\rRX> " or "\rTX> " + local "[%H:%MJ]". The four characters of the
    // prompt's line break and "RX>" / "TX>" are not logged again.
    void logBeforeRxPrompt() override;
    void logBeforeTxPrompt();

    // At shutdown: appends the text shown since the last chunk, no prompt.
    void flushQsoLog();

    // Just before the receive window is cleared: appends the text shown since
    // the last chunk and counts anew from the empty window, so that text
    // shown after the clear is logged from its first character.
    void logBeforeRxClear();

private:
    void logBeforePrompt(const char16_t* prompt);
    // The window's text after the mark; sets `windowLength` to its length.
    Text newWindowText(size_t& windowLength) const;
    void appendToFile(TextView text) const;

    const ReceiveWindowText& window_;
    const Clock& clock_;
    bool qsoLogOn_ = false;
    Text qsoLogPath_;
    Text documentPath_;
    size_t qsoLogMark_ = 0;  // window characters already accounted for
};

}  // namespace qs::settings
