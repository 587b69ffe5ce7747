#include "logging/receive_window_reports.h"

#include <gtest/gtest.h>

#include "rx/receive_text.h"
#include "tests/support/fake_receive_window.h"
#include "tx/send_echo.h"

namespace qs::logging {
namespace {

struct WriterState : tx::EchoWriterState {
    rx::WriterState state = rx::WriterState::Received;
    rx::WriterState writerState() const override { return state; }
    void setWriterState(rx::WriterState next) override { state = next; }
};

struct NoQsoLog : tx::TxPromptLog {
    bool qsoLogOn() const override { return false; }
    void logBeforeTxPrompt() override {}
};

struct Alerts : OperatorAlerts {
    int beeps = 0;
    void showMessage(TextView) override {}
    void showExclamation(TextView) override {}
    void beep() override { ++beeps; }
};

// The receive window as the echo of sent text and the links' reports share it.
struct SharedWindow : ::testing::Test {
    test::FakeReceiveWindow window;
    WriterState writer;
    NoQsoLog qsoLog;
    Alerts alerts;
    tx::SendEcho echo{window, writer, qsoLog};
    ReceiveWindowReports reports{window, writer, alerts};

    void send(TextView text) {
        for (char16_t c : text) echo.echoSent(c);
    }
    std::string shown() const { return toUtf8(window.text()); }
};

TEST_F(SharedWindow, Logger32LinesNeverSplitAWordBeingSent) {
    send(u"PAR");
    reports.writeLine(u"Logger32 not found\r\n");
    reports.writeLine(u"Logger32 not found\r\n");
    send(u"IS");
    EXPECT_EQ(shown(), "\r\nTX> PAR\r\nLogger32 not found\r\nLogger32 not found\r\nIS");
    EXPECT_EQ(alerts.beeps, 0);
}

TEST_F(SharedWindow, Logger32LinesGoToTheEndInTheFormatInUse) {
    reports.writeLine(u"Logger32 found\r\n");
    const std::string log = window.log();
    EXPECT_EQ(log.rfind("caret", 0), 0u) << log;
    EXPECT_EQ(log.find("format"), std::string::npos) << log;
    EXPECT_EQ(writer.state, rx::WriterState::Notice);
}

TEST_F(SharedWindow, NoticesStartTheirOwnLineInRedWithABeep) {
    send(u"TU");
    reports.writeNotice(u"HamLog not found\r\n");
    EXPECT_EQ(shown(), "\r\nTX> TU\r\nHamLog not found\r\n");
    EXPECT_NE(window.log().find("format:Notice"), std::string::npos);
    EXPECT_EQ(alerts.beeps, 1);
}

}  // namespace
}  // namespace qs::logging
