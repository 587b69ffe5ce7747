#include "logging/logging_commands.h"

#include <gtest/gtest.h>

#include "tests/logging/link_fakes.h"
#include "tests/support/fake_clock.h"

namespace qs::logging {
namespace {

using test::EventLog;
using test::FakeContactFields;
using test::FakeHamLog;
using test::FakeLinkView;
using test::FakeLogger32;

struct Program : settings::LoggingProgram {
    bool hamLog = true;
    bool logSoftIsHamLog() const override { return hamLog; }
    void setLogSoftIsHamLog(bool on) override { hamLog = on; }
    bool logger32Connected() const override { return false; }
    void startLogger32Search() override {}
    void stopLogger32Search() override {}
};

struct CommandsBench : ::testing::Test {
    EventLog log;
    FakeHamLog hamLog{log};
    FakeLogger32 logger32{log};
    FakeContactFields fields;
    FakeLinkView view{log};
    Windows1252CodePage codePage;
    qs::test::FakeClock clock;
    Program program;
    HamLogLink hamLogLink{{hamLog, codePage, fields, view, view, clock}};
    Logger32Link logger32Link{{logger32, logger32, view}};
    LoggingCommands commands{{hamLogLink, logger32Link, fields, view, program}};

    CommandsBench() {
        hamLog.attach(hamLogLink);
        fields.call = u"JA1ABC";
        fields.name = u"OP";
    }
};

TEST_F(CommandsBench, F6ReportsInlineTheButtonByMessageBox) {
    hamLog.running = false;
    commands.qsoReportingInline();
    EXPECT_EQ(log.take(), "notice HamLog not found\r\n|resume");
    commands.qso();
    EXPECT_EQ(log.take(), "box Pls start HamLog|resume");
    commands.saveReportingInline();
    EXPECT_EQ(log.take(), "notice Pls start HamLog!!\r\n|resume");
    commands.save();
    EXPECT_EQ(log.take(), "box Pls start HamLog|resume");
}

TEST_F(CommandsBench, ClearEmptiesTheContactUnlessTheLinkTestFails) {
    commands.qso();
    log.take();
    hamLog.answers = FakeHamLog::Answers::Never;
    commands.clear();
    EXPECT_EQ(fields.call, u"JA1ABC");
    EXPECT_TRUE(hamLogLink.qsoTransferred());
    log.take();
    hamLog.answers = FakeHamLog::Answers::Normal;
    commands.clear();
    // The failed test could not restore HamLog's call field.
    EXPECT_EQ(log.take(), "send 101|send 1 ****|send 101|send 1 ****|send 16|save off");
    EXPECT_EQ(fields.call + fields.name + fields.qth, u"");
    EXPECT_FALSE(hamLogLink.qsoTransferred());
    EXPECT_EQ(hamLogLink.lastTransferredCall(), u"");
}

TEST_F(CommandsBench, QueriesByFunctionKey) {
    hamLog.callField = "K1AB";
    commands.hamLogQuery(1);
    commands.hamLogQuery(2);
    commands.hamLogQuery(3);
    commands.hamLogQuery(4);
    EXPECT_EQ(log.take(), "send 101|send 111|send 112|send 108");
    EXPECT_EQ(fields.call, u"K1AB");
    program.hamLog = false;
    for (int key = 1; key <= 4; ++key) commands.hamLogQuery(key);
    EXPECT_EQ(log.take(), "send 108");
}

TEST_F(CommandsBench, Logger32ChosenGetsTheRecords) {
    program.hamLog = false;
    logger32.running = true;
    logger32Link.onTimerTick();
    logger32Link.onHandshakeMessage(0, 1);
    logger32Link.onHandshakeMessage(3, 0x4400);
    log.take();
    commands.qsoReportingInline();
    commands.save();
    commands.clear();
    EXPECT_EQ(log.take(),
              "record 17408 <CALL:6>JA1ABC<NAME:2>OP0|record 17408 <APP_LOGQSO:0>0"
              "|record 17408 <CALL:0><RST_RCVD:0><RST_SENT:0><NAME:0><QTH:0>0|save off");
    EXPECT_EQ(fields.call + fields.name, u"");
}

}  // namespace
}  // namespace qs::logging
