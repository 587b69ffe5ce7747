#include "ui/logging_program_link.h"

#include <gtest/gtest.h>

#include "tests/logging/link_fakes.h"
#include "tests/support/fake_clock.h"
#include "tests/ui/fake_screen.h"
#include "ui/control_ids.h"

namespace qs::ui {
namespace {

using logging::test::EventLog;
using logging::test::FakeHamLog;
using logging::test::FakeLinkView;
using logging::test::FakeLogger32;

struct Program : settings::LoggingProgram {
    bool hamLog = true;
    bool logSoftIsHamLog() const override { return hamLog; }
    void setLogSoftIsHamLog(bool on) override { hamLog = on; }
    bool logger32Connected() const override { return false; }
    void startLogger32Search() override {}
    void stopLogger32Search() override {}
};

// The real links over fake programs; the contact fields are the form's.
struct LinkBench : ::testing::Test {
    EventLog log;
    test::CallLog formLog;
    test::FakeForm form{formLog};
    FormContactFields fields{form};
    FakeHamLog hamLog{log};
    FakeLogger32 logger32{log};
    FakeLinkView view{log};
    logging::Windows1252CodePage codePage;
    qs::test::FakeClock clock;
    Program program;
    Text options = u"NMNNN1123NN5001218HNCN";
    logging::HamLogLink hamLogLink{{hamLog, codePage, fields, view, view, clock}};
    logging::Logger32Link logger32Link{{logger32, logger32, view}};
    LoggingProgramLink link{hamLogLink, logger32Link, fields, program, options};

    LinkBench() {
        hamLog.attach(hamLogLink);
        form.texts = {{control::kHisCall, u"JA1ABC"},
                      {control::kHisName, u"OP"},
                      {control::kHisRst, u"5NN"},
                      {control::kMyRst, u"579"}};
    }
    void connectLogger32() {
        program.hamLog = false;
        logger32.running = true;
        logger32Link.onTimerTick();
        logger32Link.onHandshakeMessage(0, 1);
        logger32Link.onHandshakeMessage(3, 0x4400);
        log.take();
    }
};

TEST_F(LinkBench, HamLogTransferReadsTheFormAndReEnablesSave) {
    link.transferQso(false);
    const std::string sent = log.take();
    EXPECT_NE(sent.find("send 7 CW|send 11 OP\\x00"), std::string::npos) << sent;
    EXPECT_NE(sent.find("send 4 599|send 5 579"), std::string::npos) << sent;
    EXPECT_NE(sent.find("send 196609 JA1ABC|focus tx|save on"), std::string::npos) << sent;
    EXPECT_TRUE(link.connected());
}

// The mode follows the option string as it is at each transfer.
TEST_F(LinkBench, ModeFromTheCurrentOptionString) {
    const std::pair<Text, std::string> cases[] = {
        {u"NMNNN1123NN5001218HNAN", "A1A"},
        {u"NMNNN1123NN5001218HNNN", ""},
        {u"NMNNN1123NN5001218HN", ""},  // cut short before the mode
    };
    for (const auto& [optionString, mode] : cases) {
        options = optionString;
        link.transferQso(false);
        const std::string sent = log.take();
        if (mode.empty()) {
            EXPECT_EQ(sent.find("send 7 "), std::string::npos) << sent;
        } else {
            EXPECT_NE(sent.find("send 7 " + mode + "|send 11"), std::string::npos) << sent;
        }
    }
}

TEST_F(LinkBench, OnlyTheKeyboardAndTagCommandsReportInline) {
    hamLog.running = false;
    link.transferQso(true);
    EXPECT_EQ(log.take(), "notice HamLog not found\r\n|resume");
    link.transferQso(false);
    EXPECT_EQ(log.take(), "box Pls start HamLog|resume");
    link.saveQsoReportingInline();
    EXPECT_EQ(log.take(), "notice Pls start HamLog!!\r\n|resume");
    link.saveQso();
    EXPECT_EQ(log.take(), "box Pls start HamLog|resume");
}

TEST_F(LinkBench, QueriesMapToHamLogsRequests) {
    hamLog.callField = "K1AB";
    for (const HamLogQuery query :
         {HamLogQuery::CallSign, HamLogQuery::Name, HamLogQuery::Qth, HamLogQuery::QthByCall}) {
        link.queryHamLog(query);
    }
    EXPECT_EQ(log.take(), "send 101|send 111|send 112|send 108");
    EXPECT_EQ(form.texts[control::kHisCall], u"K1AB");
    EXPECT_EQ(form.texts[control::kHisName], u"TARO");
    EXPECT_EQ(form.texts[control::kHisQth], u"1001");
}

TEST_F(LinkBench, AFailedHamLogLinkTestKeepsTheContact) {
    hamLog.answers = FakeHamLog::Answers::Never;
    EXPECT_FALSE(link.clearContact());
    EXPECT_EQ(log.take(), "send 101|send 1 ****|send 101|box Can't send data to HamLog|resume");
    EXPECT_FALSE(link.connected());
    hamLog.running = false;
    EXPECT_TRUE(link.clearContact());
}

TEST_F(LinkBench, Logger32ChosenGetsTheRecordsAndNoHamLogFlags) {
    connectLogger32();
    form.texts[control::kMyRst] = u"";
    EXPECT_TRUE(link.connected());
    link.transferQso(true);
    link.saveQsoReportingInline();
    EXPECT_TRUE(link.clearContact());
    EXPECT_EQ(log.take(),
              "record 17408 <CALL:6>JA1ABC<NAME:2>OP<RST_SENT:3>5NN0|record 17408 <APP_LOGQSO:0>0"
              "|record 17408 <CALL:0><RST_RCVD:0><RST_SENT:0><NAME:0><QTH:0>0");
    // The inline reports were not armed for a later HamLog command.
    program.hamLog = true;
    hamLog.running = false;
    link.transferQso(false);
    EXPECT_EQ(log.take(), "box Pls start HamLog|resume");
}

}  // namespace
}  // namespace qs::ui
