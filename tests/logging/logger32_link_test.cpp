#include "logging/logger32_link.h"

#include <gtest/gtest.h>

#include "tests/logging/link_fakes.h"

namespace qs::logging {
namespace {

using test::EventLog;
using test::FakeContactFields;
using test::FakeLinkView;
using test::FakeLogger32;

// Logger32's window is 12800, the view's 256 in the log.
struct Logger32Bench : ::testing::Test {
    EventLog log;
    FakeLogger32 logger32{log};
    FakeLinkView view{log};
    Logger32Link link{{logger32, logger32, view}};
    FakeContactFields fields;

    unsigned message(int number) {
        return logger32.registerMessage(u"Logger32 " + decimalText(number));
    }
    void connect() {
        logger32.running = true;
        link.onTimerTick();
        link.onHandshakeMessage(0, 1);
        link.onHandshakeMessage(3, 0x4400);
        log.take();
    }
};

TEST_F(Logger32Bench, SearchesEvery8000MsUntilFound) {
    link.startSearch();
    EXPECT_EQ(log.take(), "timer 8000");
    link.onTimerTick();
    link.onTimerTick();
    EXPECT_EQ(log.take(), "line Logger32 not found\r\n|line Logger32 not found\r\n");
    EXPECT_EQ(link.connectTimerPeriodMs(), 8000);
    logger32.running = true;
    link.onTimerTick();
    EXPECT_EQ(log.take(),
              "line Logger32 found\r\n|kill|line Connected Logger32 1\r\n"
              "|post 12800 Logger32 1 1 256");
    EXPECT_EQ(link.handshakeMessage(), message(1));
    EXPECT_EQ(link.connectTimerPeriodMs(), 0);
}

TEST_F(Logger32Bench, AcceptedThenTargetWindow) {
    logger32.running = true;
    link.onTimerTick();
    log.take();
    EXPECT_TRUE(link.onHandshakeMessage(0, 0x55));
    EXPECT_TRUE(link.connected());
    EXPECT_EQ(log.take(), "line Connection accepted\r\n|post 12800 Logger32 1 2 0");
    EXPECT_TRUE(link.onHandshakeMessage(3, 0x4400));
    EXPECT_EQ(link.target(), 0x4400u);
    EXPECT_EQ(log.take(), "kill");
    EXPECT_FALSE(link.onHandshakeMessage(7, 1));
    EXPECT_FALSE(link.onHandshakeMessage(1, 0));
    EXPECT_EQ(log.take(), "");
}

// Each rejection retries 200 ms later with the next name; after the fifth
// the link gives up and no timer runs.
TEST_F(Logger32Bench, RejectedOnEveryName) {
    logger32.running = true;
    link.onTimerTick();
    log.take();
    for (int number = 2; number <= 5; ++number) {
        link.onHandshakeMessage(0, 0);
        EXPECT_EQ(log.take(), "line Connection rejected\r\n|kill|timer 200");
        EXPECT_EQ(link.connectTimerPeriodMs(), 200);
        link.onTimerTick();
        const std::string name = "Logger32 " + std::to_string(number);
        EXPECT_EQ(log.take(), "post 12800 " + name + " 1 256|line Attempting connection with " +
                                  name + "\r\n|kill");
        EXPECT_EQ(link.handshakeMessage(), message(number));
    }
    link.onHandshakeMessage(0, 0);
    log.take();
    link.onTimerTick();
    EXPECT_EQ(log.take(), "line Unable to connect to Logger32\r\n|kill");
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(link.connectTimerPeriodMs(), 0);
    // The title refresh finds Logger32 gone and searches again.
    logger32.running = false;
    EXPECT_FALSE(link.findWindow());
    link.restartSearch();
    link.onTimerTick();
    EXPECT_EQ(log.take(), "timer 8000|line Logger32 not found\r\n");
}

TEST_F(Logger32Bench, RetryWithoutAHandshakeMessageWritesNothing) {
    link.onHandshakeMessage(0, 0);
    log.take();
    link.onTimerTick();
    EXPECT_EQ(log.take(), "kill");
}

TEST_F(Logger32Bench, QsoRecordOfTheFilledFields) {
    connect();
    fields.call = u"JA1ABC";
    fields.name = u"OP";
    link.sendQsoRecord(fields);
    EXPECT_EQ(log.take(), "record 17408 <CALL:6>JA1ABC<NAME:2>OP0");
    fields.qth = u"TOKYO";
    fields.hisReport = u"599";
    fields.myReport = u"5NN";
    link.sendQsoRecord(fields);
    EXPECT_EQ(log.take(),
              "record 17408 <CALL:6>JA1ABC<NAME:2>OP<QTH:5>TOKYO<RST_SENT:3>599"
              "<RST_RCVD:3>5NN0");
    link.sendQsoRecord(FakeContactFields{});
    EXPECT_EQ(log.take(), "");
    fields.name = u"\u592a\u90ce";
    link.sendQsoRecord(fields);
    EXPECT_EQ(log.take(), "box Logger32 accept only alphabet numbers symbols");
    link.save();
    link.clear();
    EXPECT_EQ(log.take(),
              "record 17408 <APP_LOGQSO:0>0"
              "|record 17408 <CALL:0><RST_RCVD:0><RST_SENT:0><NAME:0><QTH:0>0");
}

TEST_F(Logger32Bench, NothingSentWithoutConnectionOrTarget) {
    fields.call = u"JA1ABC";
    link.sendQsoRecord(fields);
    EXPECT_EQ(log.take(), "line Logger32 not found\r\n");
    link.save();
    link.clear();
    EXPECT_EQ(log.take(), "");
    logger32.running = true;
    link.onTimerTick();
    link.onHandshakeMessage(0, 1);
    log.take();
    link.sendQsoRecord(fields);
    link.save();
    EXPECT_EQ(log.take(), "");
}

// The handshake's numbers are whatever the system registers for the names.
TEST_F(Logger32Bench, LateRejectionAfterAcceptanceDisconnects) {
    connect();
    link.onHandshakeMessage(0, 0);
    EXPECT_FALSE(link.connected());
    fields.call = u"JA1ABC";
    log.take();
    link.sendQsoRecord(fields);
    EXPECT_EQ(log.take(), "line Logger32 not found\r\n");
}

}  // namespace
}  // namespace qs::logging
