#include "settings/qso_log.h"

#include <gtest/gtest.h>

#include "tests/settings/scratch_dir.h"
#include "tests/support/fake_clock.h"

namespace qs::settings {
namespace {

using test::readFileBytes;

class FakeWindow : public ReceiveWindowText {
  public:
    Text allText() const override { return text; }
    Text text;
};

class QsoLogTest : public ::testing::Test {
  protected:
    void SetUp() override { log.setDocumentPath((dir.path() / "station.qstn").u16string()); }
    std::string logBytes(const char* name) const { return readFileBytes(dir.path() / name); }
    // The window as the receive path and the keying echo leave it: the
    // prompt's line break counts as one character.
    void showPrompt(TextView prompt) { window.text += Text(u"\r") + Text(prompt) + u" "; }

    test::ScratchDir dir;
    qs::test::FakeClock clock;
    FakeWindow window;
    QsoLog log{window, clock};
};

// Text mode turns the header's "\r\n" into CR CR LF.
TEST_F(QsoLogTest, FileNameAndHeaderDependOnHowTheLogStarted) {
    EXPECT_FALSE(log.qsoLogOn());
    ASSERT_TRUE(log.startQsoLog(QsoLogStart::AtApply));
    EXPECT_TRUE(log.qsoLogOn());
    EXPECT_EQ(std::filesystem::path(log.qsoLogPath()), dir.path() / "20240307[0905J].txt");
    EXPECT_EQ(logBytes("20240307[0905J].txt"), "Quillstone20240307[0905J]\r\r\n");

    // From the options the stamp follows the document's name.
    clock.setLocal(23, 59);
    QsoLog fromOptions{window, clock};
    fromOptions.setDocumentPath((dir.path() / "station.qstn").u16string());
    ASSERT_TRUE(fromOptions.startQsoLog(QsoLogStart::FromOptions));
    EXPECT_EQ(logBytes("station.qstn20240307[2359J].txt"), "QSTN 20240307[2359J]\r\r\n");
    // Started again from the options, the folder stays the base.
    ASSERT_TRUE(log.startQsoLog(QsoLogStart::FromOptions));
    EXPECT_EQ(logBytes("20240307[2359J].txt"), "QSTN 20240307[2359J]\r\r\n");
}

TEST(QsoLog, WithoutADocumentNothingStartsOrIsWritten) {
    test::ScratchDir dir;
    const qs::test::FakeClock clock;
    FakeWindow window;
    window.text = u"CQ";
    QsoLog log{window, clock};
    EXPECT_FALSE(log.startQsoLog(QsoLogStart::FromOptions));
    log.logBeforeRxPrompt();
    log.flushQsoLog();
    EXPECT_FALSE(log.qsoLogOn());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(QsoLogTest, ChunksAndPromptLinesFollowTheWindowInUtf8) {
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
    EXPECT_EQ(logBytes("20240307[0905J].txt"),
              "Quillstone20240307[0905J]\r\r\n"
              "CQ CQ DE JA1ABC\rTX> [09:06J]"
              " JA1ABC DE JA2XYZ\rRX> [09:07J]"
              " R TNX\r\n73 \xE3\x81\x93\xE3\x82\x93 \xF0\x9F\x93\xBB");
}

TEST_F(QsoLogTest, AStartInTheSameMinuteAppendsAndOverwritesNothing) {
    log.startQsoLog(QsoLogStart::AtApply);
    window.text = u"FIRST QSO TEXT THAT MUST SURVIVE";
    log.logBeforeTxPrompt();
    log.startQsoLog(QsoLogStart::FromOptions);
    EXPECT_EQ(logBytes("20240307[0905J].txt"),
              "Quillstone20240307[0905J]\r\r\n"
              "FIRST QSO TEXT THAT MUST SURVIVE\rTX> [09:05J]"
              "QSTN 20240307[0905J]\r\r\n");
}

// After a clear the window is logged from its first character; a window
// that shrank without the clear hook gives an empty chunk.
TEST_F(QsoLogTest, AShorterWindowIsLoggedFromTheStartOnlyAfterAClear) {
    log.startQsoLog(QsoLogStart::AtApply);
    window.text = u"A LONG STRETCH OF RECEIVED TEXT";
    log.logBeforeTxPrompt();
    log.logBeforeRxClear();
    window.text = u"AFTER CLEAR";
    log.logBeforeRxPrompt();
    window.text = u"SHORT";
    log.logBeforeTxPrompt();
    window.text += u"\rTX> NEXT";
    log.flushQsoLog();
    EXPECT_EQ(logBytes("20240307[0905J].txt"),
              "Quillstone20240307[0905J]\r\r\n"
              "A LONG STRETCH OF RECEIVED TEXT\rTX> [09:05J]"
              "AFTER CLEAR\rRX> [09:05J]"
              "\rTX> [09:05J]"
              " NEXT");
}

}  // namespace
}  // namespace qs::settings
