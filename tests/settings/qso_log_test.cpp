#include "settings/qso_log.h"

#include <gtest/gtest.h>

#include "tests/settings/scratch_dir.h"
#include "tests/support/fake_clock.h"

namespace qs::settings {
namespace {

using qs::test::FakeClock;
using test::readFileBytes;
using test::ScratchDir;

class FakeWindow : public ReceiveWindowText {
public:
    Text allText() const override { return text; }
    Text text;
};

class QsoLogTest : public ::testing::Test {
protected:
    // The document path as the view holds it, with the scratch folder.
    Text documentPath(const char* name) const { return (dir.path() / name).u16string(); }
    std::filesystem::path logFile(const char* name) const { return dir.path() / name; }

    // The window as the receive path and the keying echo leave it: the
    // prompt's line break counts as one character.
    void showPrompt(TextView prompt) { window.text += Text(u"\r") + Text(prompt) + u" "; }

    ScratchDir dir;
    FakeClock clock;
    FakeWindow window;
    QsoLog log{window, clock};
};

TEST_F(QsoLogTest, StartedAtApplyTheFileLiesInTheDocumentsFolder) {
    log.setDocumentPath(documentPath("station.qstn"));
    EXPECT_FALSE(log.qsoLogOn());
    ASSERT_TRUE(log.startQsoLog(QsoLogStart::AtApply));
    EXPECT_TRUE(log.qsoLogOn());
    EXPECT_EQ(std::filesystem::path(log.qsoLogPath()), logFile("20240307[0905J].txt"));
    EXPECT_EQ(std::filesystem::path(log.documentPath()), dir.path() / "");
    // Text mode turns the header's "\r\n" into CR CR LF.
    EXPECT_EQ(readFileBytes(logFile("20240307[0905J].txt")), "Quillstone20240307[0905J]\r\r\n");

    // Started again from the options, the folder stays the base.
    clock.setLocal(23, 59);
    ASSERT_TRUE(log.startQsoLog(QsoLogStart::FromOptions));
    EXPECT_EQ(readFileBytes(logFile("20240307[2359J].txt")), "QSTN 20240307[2359J]\r\r\n");
}

TEST_F(QsoLogTest, StartedFromTheOptionsTheStampFollowsTheDocumentsName) {
    // Without a document nothing starts, and the prompts write nothing.
    EXPECT_FALSE(log.startQsoLog(QsoLogStart::FromOptions));
    EXPECT_FALSE(log.qsoLogOn());
    window.text = u"CQ";
    log.logBeforeRxPrompt();
    log.flushQsoLog();
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

    log.setDocumentPath(documentPath("station.qstn"));
    ASSERT_TRUE(log.startQsoLog(QsoLogStart::FromOptions));
    EXPECT_EQ(readFileBytes(logFile("station.qstn20240307[0905J].txt")),
              "QSTN 20240307[0905J]\r\r\n");
}

TEST_F(QsoLogTest, ChunksAndPromptLinesFollowTheWindowInUtf8) {
    log.setDocumentPath(documentPath("station.qstn"));
    log.startQsoLog(QsoLogStart::AtApply);
    window.text = u"CQ CQ DE JA1ABC";
    clock.setLocal(9, 6);
    log.logBeforeTxPrompt();
    showPrompt(u"TX>");
    window.text += u"JA1ABC DE JA2XYZ";
    clock.setLocal(9, 7);
    static_cast<rx::RxPromptLog&>(log).logBeforeRxPrompt();
    showPrompt(u"RX>");
    window.text += u"R TNX\n73 \u3053\u3093 \U0001F4FB";
    log.flushQsoLog();

    EXPECT_EQ(readFileBytes(logFile("20240307[0905J].txt")),
              "Quillstone20240307[0905J]\r\r\n"
              "CQ CQ DE JA1ABC\rTX> [09:06J]"
              " JA1ABC DE JA2XYZ\rRX> [09:07J]"
              " R TNX\r\n73 \xE3\x81\x93\xE3\x82\x93 \xF0\x9F\x93\xBB");
}

TEST_F(QsoLogTest, AStartInTheSameMinuteAppendsAndOverwritesNothing) {
    log.setDocumentPath(documentPath("station.qstn"));
    log.startQsoLog(QsoLogStart::AtApply);
    window.text = u"FIRST QSO TEXT THAT MUST SURVIVE";
    log.logBeforeTxPrompt();
    log.startQsoLog(QsoLogStart::FromOptions);
    EXPECT_EQ(readFileBytes(logFile("20240307[0905J].txt")),
              "Quillstone20240307[0905J]\r\r\n"
              "FIRST QSO TEXT THAT MUST SURVIVE\rTX> [09:05J]"
              "QSTN 20240307[0905J]\r\r\n");
}

TEST_F(QsoLogTest, AClearedWindowIsLoggedFromItsFirstCharacter) {
    log.setDocumentPath(documentPath("station.qstn"));
    log.startQsoLog(QsoLogStart::AtApply);
    window.text = u"A LONG STRETCH OF RECEIVED TEXT";
    log.logBeforeTxPrompt();
    showPrompt(u"TX>");
    window.text += u"SENT";

    log.logBeforeRxClear();
    window.text = u"AFTER CLEAR";
    log.logBeforeRxPrompt();
    EXPECT_EQ(readFileBytes(logFile("20240307[0905J].txt")),
              "Quillstone20240307[0905J]\r\r\n"
              "A LONG STRETCH OF RECEIVED TEXT\rTX> [09:05J]"
              " SENT"
              "AFTER CLEAR\rRX> [09:05J]");
}

TEST_F(QsoLogTest, WithoutTheClearHookAShorterWindowGivesAnEmptyChunk) {
    log.setDocumentPath(documentPath("station.qstn"));
    log.startQsoLog(QsoLogStart::AtApply);
    window.text = u"A LONG STRETCH OF RECEIVED TEXT";
    log.logBeforeTxPrompt();
    window.text = u"SHORT";
    log.logBeforeRxPrompt();
    window.text += u"\rRX> NEXT";
    log.flushQsoLog();
    EXPECT_EQ(readFileBytes(logFile("20240307[0905J].txt")),
              "Quillstone20240307[0905J]\r\r\n"
              "A LONG STRETCH OF RECEIVED TEXT\rTX> [09:05J]"
              "\rRX> [09:05J]"
              " NEXT");
}

}  // namespace
}  // namespace qs::settings
