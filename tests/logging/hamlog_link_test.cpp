#include "logging/hamlog_link.h"

#include <gtest/gtest.h>

#include <thread>

#include "logging/hamlog_ptt.h"
#include "tests/logging/link_fakes.h"

namespace qs::logging {
namespace {

using test::EventLog;
using test::FakeContactFields;
using test::FakeHamLog;
using test::FakeLinkView;

// 7 March 2024, 09:05 Japanese time, 00:05 UTC.
class JapanClock : public Clock {
  public:
    std::tm localTime() const override { return at(9); }
    std::tm utcTime() const override { return at(0); }

  private:
    static std::tm at(int hour) {
        std::tm time{};
        time.tm_year = 2024 - 1900;
        time.tm_mon = 2;
        time.tm_mday = 7;
        time.tm_hour = hour;
        time.tm_min = 5;
        return time;
    }
};

constexpr char kLinkTest[] = "send 101|send 1 ****|send 101|send 1";

struct HamLogBench : ::testing::Test {
    EventLog log;
    FakeHamLog hamLog{log};
    FakeContactFields fields;
    FakeLinkView view{log};
    Windows1252CodePage codePage;
    JapanClock clock;
    HamLogLink link{{hamLog, codePage, fields, view, view, clock}};

    HamLogBench() {
        hamLog.attach(link);
        link.setModeOption(u'C');
        fields.call = u"JA1ABC";
        fields.name = u"TARO";
        fields.qth = u"100110";
        fields.hisReport = u"5NN";
        fields.myReport = u"579";
    }
};

TEST_F(HamLogBench, LinkTestWritesTheProbeAndRestoresTheCall) {
    hamLog.callField = "K1AB";
    EXPECT_TRUE(link.linkTest());
    EXPECT_TRUE(link.linkOk());
    EXPECT_EQ(log.take(), "send 101|send 1 ****|send 101|send 1 K1AB");
    EXPECT_EQ(hamLog.callField, "K1AB");
    // An empty call field is restored with no bytes; a passed link stays up
    // while it is tested again.
    hamLog.callField.clear();
    hamLog.sendsWhileLinkDown = 0;
    EXPECT_TRUE(link.linkTest());
    EXPECT_EQ(log.take(), kLinkTest);
    EXPECT_EQ(hamLog.sendsWhileLinkDown, 0);
}

TEST_F(HamLogBench, LinkTestFails) {
    hamLog.running = false;
    EXPECT_FALSE(link.linkTest());
    EXPECT_EQ(log.take(), "");

    hamLog.running = true;
    hamLog.answers = FakeHamLog::Answers::Never;
    EXPECT_FALSE(link.linkTest());
    EXPECT_FALSE(link.linkOk());
    EXPECT_EQ(log.take(), "send 101|send 1 ****|send 101");

    // A call that cannot be restored fails the test and is left alone.
    hamLog.answers = FakeHamLog::Answers::Normal;
    hamLog.callField = "JA1\xE9";
    EXPECT_TRUE(link.linkTest() == false);
    EXPECT_EQ(log.take(), "send 101|send 1 ****|send 101");
}

TEST_F(HamLogBench, FirstAndSecondTransferOfACall) {
    link.qsoTransfer();
    EXPECT_EQ(log.take(), std::string(kLinkTest) +
                              "|send 16|send 7 CW|send 11 TARO\\x00|send 8 100110\\x00"
                              "|send 4 599|send 5 579|send 26|send 196609 JA1ABC"
                              "|focus tx|save on");
    EXPECT_TRUE(link.qsoTransferred());
    EXPECT_EQ(link.lastTransferredCall(), u"JA1ABC");

    link.qsoTransfer();
    EXPECT_EQ(log.take(), std::string(kLinkTest) +
                              "|send 7 CW|send 11 TARO\\x00|send 8 100110\\x00"
                              "|send 4 599|send 5 579|send 26|send 103"
                              "|send 2 24/03/07|send 3 09:05J|focus tx|save on");
}

TEST_F(HamLogBench, RepeatedCallInUtcWhenHamLogShowsUtc) {
    link.qsoTransfer();
    log.take();
    hamLog.timeField = "09:05U";
    link.qsoTransfer();  // the answer to 103 arrives before the time is taken
    EXPECT_NE(log.take().find("send 103|send 2 24/03/07|send 3 00:05U"), std::string::npos);
    EXPECT_EQ(link.hamlogUtc(), 1);
    hamLog.answers = FakeHamLog::Answers::Never;
    link.linkTest();  // fails; the zone stays
    hamLog.answers = FakeHamLog::Answers::Normal;
    hamLog.timeField = "09:05Z";
    link.qsoTransfer();
    EXPECT_EQ(link.hamlogUtc(), 2);
}

TEST_F(HamLogBench, ModeNameQthAndReportsAsTheFieldsGive) {
    link.setModeOption(u'A');
    fields = FakeContactFields{};
    fields.call = u"K1AB";
    fields.qth = u"tokyo";
    fields.hisReport = u"599X";
    link.qsoTransfer();
    EXPECT_EQ(log.take(), std::string(kLinkTest) +
                              "|send 16|send 7 A1A|send 12 TOKYO\\x00|send 4 599|send 25"
                              "|send 196609 K1AB|focus tx|save on");
    link.setModeOption(u'N');
    fields = FakeContactFields{};
    link.qsoTransfer();  // nothing but the new entry for an empty call
    EXPECT_EQ(log.take(), std::string(kLinkTest) + "|send 16|focus tx|save on");
}

TEST_F(HamLogBench, CallOrReportOutsideAsciiStops) {
    fields.call = u"JA1\u3042";
    link.qsoTransfer();
    EXPECT_EQ(log.take(), std::string(kLinkTest) +
                              "|send 16|send 7 CW|send 11 TARO\\x00|send 8 100110\\x00"
                              "|send 4 599|send 5 579|send 26|box English only");
    EXPECT_EQ(link.lastTransferredCall(), u"JA1\u3042");
    EXPECT_FALSE(link.qsoTransferred());

    fields.call = u"JA1ABC";
    fields.hisReport = u"5\u30CE9";
    fields.myReport = u"5\u30CE9";
    link.qsoTransfer();
    EXPECT_EQ(log.take(), std::string(kLinkTest) +
                              "|send 16|send 7 CW|send 11 TARO\\x00|send 8 100110\\x00"
                              "|box English Only!!");
    EXPECT_EQ(link.lastTransferredCall(), u"JA1\u3042");
}

// F6 sets the flag: its failure is a notice, which clears it; the next
// failure of a button press is a message box.
TEST_F(HamLogBench, QsoFailuresAsNoticeOrMessageBox) {
    link.setQsoReportInline();
    link.qsoTransfer();
    EXPECT_EQ(log.take(), std::string(kLinkTest) +
                              "|send 16|send 7 CW|send 11 TARO\\x00"
                              "|send 8 100110\\x00|send 4 599|send 5 579"
                              "|send 26|send 196609 JA1ABC|focus tx|save on");
    hamLog.running = false;
    link.qsoTransfer();
    EXPECT_EQ(log.take(), "notice HamLog not found\r\n|resume");
    link.qsoTransfer();
    EXPECT_EQ(log.take(), "box Pls start HamLog|resume");

    hamLog.running = true;
    hamLog.answers = FakeHamLog::Answers::Never;
    link.setQsoReportInline();
    link.qsoTransfer();
    EXPECT_EQ(log.take(),
              "send 101|send 1 ****|send 101|notice Can't send data to HamLog\r\n"
              "|resume");
    link.qsoTransfer();
    EXPECT_EQ(log.take(), "send 101|send 1 ****|send 101|box Can't send data to HamLog.|resume");
}

TEST_F(HamLogBench, SaveAfterTransfer) {
    view.latch = true;
    link.save();
    EXPECT_EQ(log.take(),
              "box! Can't send data to HamLog\r\nPls push QSO button previously|save off|resume");
    link.qsoTransfer();
    log.take();
    link.save();
    EXPECT_EQ(log.take(), std::string(kLinkTest) + "|send 524306|save off");
    EXPECT_EQ(fields.call + fields.name + fields.qth, u"");
    EXPECT_EQ(fields.hisReport, u"5NN");
    EXPECT_FALSE(link.qsoTransferred());
    EXPECT_EQ(link.lastTransferredCall(), u"");
    view.latch = false;
    fields.call = u"K1AB";
    link.qsoTransfer();
    log.take();
    link.save();
    EXPECT_EQ(log.take(), std::string(kLinkTest) + "|send 524306|save off|focus tx");
}

TEST_F(HamLogBench, SaveFailuresAsNoticeOrMessageBox) {
    link.setSaveReportInline();
    link.save();
    EXPECT_EQ(log.take(), "notice Can't send data to HamLog!!\r\n|save off|resume");
    link.save();
    EXPECT_EQ(log.take(),
              "box! Can't send data to HamLog\r\nPls push QSO button previously|save off|resume");
    link.qsoTransfer();
    log.take();
    hamLog.answers = FakeHamLog::Answers::Never;
    link.setSaveReportInline();
    link.save();
    EXPECT_EQ(log.take(),
              "send 101|send 1 ****|send 101|notice Can't send data to HamLog!!\r\n"
              "|resume");
    link.save();
    EXPECT_EQ(log.take(), "send 101|send 1 ****|send 101|box Can't send data to HamLog|resume");
    hamLog.running = false;
    link.setSaveReportInline();
    link.save();
    EXPECT_EQ(log.take(), "notice Pls start HamLog!!\r\n|resume");
    link.save();
    EXPECT_EQ(log.take(), "box Pls start HamLog|resume");
    EXPECT_EQ(fields.call, u"JA1ABC");
}

TEST_F(HamLogBench, ClearStartsANewEntryOrKeepsTheFields) {
    EXPECT_TRUE(link.clear());
    EXPECT_EQ(log.take(), std::string(kLinkTest) + "|send 16");
    hamLog.answers = FakeHamLog::Answers::Never;
    EXPECT_FALSE(link.clear());
    EXPECT_EQ(log.take(), "send 101|send 1 ****|send 101|box Can't send data to HamLog|resume");
    hamLog.running = false;
    EXPECT_TRUE(link.clear());
    EXPECT_EQ(log.take(), "");
}

TEST_F(HamLogBench, QueriesFillTheFieldTheyAskFor) {
    fields = FakeContactFields{};
    hamLog.callField = "JA1ABC";
    link.query(HamLogQuery::Call);
    link.query(HamLogQuery::Name);
    link.query(HamLogQuery::Qth);
    EXPECT_EQ(fields.call + u"," + fields.name + u"," + fields.qth, u"JA1ABC,TARO,100110");
    link.query(HamLogQuery::Code);
    EXPECT_EQ(fields.qth, u"1001");
    EXPECT_EQ(log.take(), "send 101|send 111|send 112|send 108");
    // No window: nothing sent, nothing awaited.
    hamLog.running = false;
    link.query(HamLogQuery::Call);
    EXPECT_FALSE(link.takeAnswer("K1AB", 5));
    EXPECT_EQ(fields.call, u"JA1ABC");
}

TEST_F(HamLogBench, AnswerWithoutRequestChangesNothing) {
    EXPECT_FALSE(link.takeAnswer("K1AB", 5));
    EXPECT_EQ(fields.call, u"JA1ABC");
    EXPECT_FALSE(link.linkOk());
}

// An unanswered query waits; the next answer goes to the first awaited item.
TEST_F(HamLogBench, AnswersGoToTheFirstAwaitedItem) {
    hamLog.answers = FakeHamLog::Answers::Never;
    link.query(HamLogQuery::Qth);
    link.query(HamLogQuery::Name);
    EXPECT_TRUE(link.takeAnswer("FIRST", 6));
    EXPECT_TRUE(link.takeAnswer("SECOND", 7));
    EXPECT_FALSE(link.takeAnswer("THIRD", 6));
    EXPECT_EQ(fields.name + u"," + fields.qth, u"FIRST,SECOND");
}

// A query HamLog did not take in time awaits nothing: its late answer does
// not overwrite HisCall during the next link test.
TEST_F(HamLogBench, QueryNotTakenAwaitsNothing) {
    hamLog.sendsBeforeGone = 0;
    link.query(HamLogQuery::Call);
    EXPECT_FALSE(link.takeAnswer("LATE", 5));
    hamLog.running = true;
    hamLog.sendsBeforeGone = -1;
    hamLog.callField = "K1AB";
    EXPECT_TRUE(link.linkTest());
    EXPECT_EQ(fields.call, u"JA1ABC");
    EXPECT_EQ(hamLog.callField, "K1AB");
}

TEST_F(HamLogBench, GarbageAnswersStayWithinTheirField) {
    fields = FakeContactFields{};
    hamLog.callField = "JA1ABC";
    hamLog.answers = FakeHamLog::Answers::NoNul;
    link.query(HamLogQuery::Call);
    EXPECT_EQ(fields.call, u"JA1ABC");
    hamLog.answers = FakeHamLog::Answers::Oversized;
    link.query(HamLogQuery::Name);
    EXPECT_EQ(fields.name, Text(1024, u'X'));
    hamLog.answers = FakeHamLog::Answers::InvalidBytes;
    link.query(HamLogQuery::Qth);
    EXPECT_EQ(fields.qth, u"\u0081\u00ff\u201a");
    EXPECT_EQ(fields.call, u"JA1ABC");
    // The link test reads garbage back: it fails and restores nothing.
    hamLog.answers = FakeHamLog::Answers::Oversized;
    EXPECT_FALSE(link.linkTest());
    EXPECT_EQ(log.take(), "send 101|send 111|send 112|send 101|send 1 ****|send 101");
}

// HamLog closing while a command is under way counts as HamLog missing; the
// contact stays as it was.
TEST_F(HamLogBench, WindowGoneMidCommand) {
    for (int sends = 0; sends < 14; ++sends) {
        SCOPED_TRACE(sends);
        hamLog.running = true;
        hamLog.sendsBeforeGone = sends;
        link.qsoTransfer();
        const std::string events = log.take();
        if (sends >= 12) {
            EXPECT_NE(events.find("save on"), std::string::npos);
            break;
        }
        EXPECT_NE(events.find("box Pls start HamLog|resume"), std::string::npos) << events;
        EXPECT_EQ(events.find("save on"), std::string::npos);
        EXPECT_EQ(fields.call + fields.name + fields.qth, u"JA1ABCTARO100110");
        EXPECT_EQ(link.lastTransferredCall(), u"");
        EXPECT_FALSE(link.qsoTransferred());
    }
    hamLog.running = true;
    hamLog.callField.clear();    // an interrupted test left "****" there
    hamLog.sendsBeforeGone = 4;  // after the link test
    link.save();
    EXPECT_EQ(log.take(), std::string(kLinkTest) + "|box Pls start HamLog|resume");
    EXPECT_EQ(fields.call, u"JA1ABC");
    EXPECT_TRUE(link.qsoTransferred());
}

TEST_F(HamLogBench, PttOnAndOff) {
    link.sendPtt(true);
    link.sendPtt(false);
    EXPECT_EQ(log.take(), "send 23|send 24");
    hamLog.running = false;
    link.sendPtt(true);
    EXPECT_EQ(log.take(), "");
}

// The keying engine's thread only asks for the link test; the
// user-interface thread runs it at once.
TEST_F(HamLogBench, PttLinkTestRunsOnTheUserInterfaceThread) {
    int requests = 0;
    HamLogPtt ptt(link, [&requests] { ++requests; });
    std::thread keying([&ptt] { ptt.runLinkTest(); });
    keying.join();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(log.take(), "");
    ptt.runLinkTest();
    EXPECT_TRUE(ptt.linkOk());
    EXPECT_EQ(log.take(), kLinkTest);
    ptt.sendPtt(true);
    EXPECT_EQ(log.take(), "send 23");
}

}  // namespace
}  // namespace qs::logging
