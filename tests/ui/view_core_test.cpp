#include "ui/view_core.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/settings/scratch_dir.h"
#include "tests/ui/fake_view_platform.h"
#include "ui/control_ids.h"
#include "ui/form_layout.h"

namespace qs::ui {
namespace {

class ViewCoreTest : public ::testing::Test {
protected:
    ViewCoreTest() {
        view.setUiWake([this] { ++wakes; });
        platform.captureStopFlag = &view.captureControl().captureStopFlag;
    }

    void setSlot(int slot, const char16_t* value) { document.SetSlot(value, slot); }
    Text slot(int index) const {
        Text text;
        document.GetSlot(text, index);
        return text;
    }
    // A document opened from the scratch folder, as File Open leaves it.
    void openDocument() {
        document.SetPathName(dir.path() / "contest.qstn");
        document.SetModifiedFlag(false);
    }

    settings::test::ScratchDir dir;
    settings::SettingsRecord document;
    test::FakeViewPlatform platform;
    ViewCore view{platform.platform(), document};
    int wakes = 0;
};

TEST_F(ViewCoreTest, FirstInitialUpdateSetsUpAndAppliesNothing) {
    setSlot(40, u"NoiseON1");
    setSlot(37, u"COM3");
    openDocument();  // as with a document named on the command line

    view.onInitialUpdate();
    EXPECT_EQ(platform.take(), "select device 0|setup|focus tx");
    EXPECT_EQ(platform.deviceEntries, platform.soundDevices);
    EXPECT_EQ(platform.transmitBox.value, u"TX> ");
    EXPECT_TRUE(view.initDone());
    EXPECT_FALSE(document.settingsApplied());
    EXPECT_FALSE(view.receiveSettings().nr1On);
    EXPECT_EQ(view.keyingPort().portName(), u"");
}

TEST_F(ViewCoreTest, LaterInitialUpdatesApplyTheDocumentWithoutASecondSetup) {
    view.onInitialUpdate();
    platform.take();
    setSlot(40, u"NoiseON1");
    setSlot(42, u"431");
    setSlot(51, u"RightTone");
    openDocument();

    platform.transmitBox.value = u"TX> CQ";
    view.onInitialUpdate();
    const std::string log = platform.take();
    EXPECT_EQ(log.find("setup"), std::string::npos);
    EXPECT_EQ(platform.deviceEntries.size(), 2u);  // listed once
    EXPECT_NE(log.find("check 1021 on|check 1022 off"), std::string::npos) << log;
    EXPECT_NE(log.find("capture open default|capture start|lower scale"), std::string::npos) << log;
    EXPECT_EQ(view.capture().channel(), rx::kRightChannel);
    EXPECT_TRUE(view.receiveSettings().nr1On);
    EXPECT_EQ(view.receiveSettings().toneIndex, 20);
    EXPECT_TRUE(document.settingsApplied());
    EXPECT_EQ(view.settingsApplication().documentTag(), u" (contest.qstn)");
    EXPECT_EQ(platform.transmitBox.value, u"TX> ");
    // The tone label travels through the queue like the capture thread's.
    view.drainUiEvents();
    EXPECT_EQ(platform.take(), "tone 20");
}

TEST_F(ViewCoreTest, FileNewAfterStartAppliesNothingButCountsAsApplied) {
    view.onInitialUpdate();
    setSlot(40, u"NoiseON1");
    document.SetPathName("");
    view.onInitialUpdate();
    EXPECT_FALSE(view.receiveSettings().nr1On);
    EXPECT_TRUE(document.settingsApplied());
    EXPECT_EQ(view.settingsApplication().documentTag(), u"");
}

TEST_F(ViewCoreTest, RxClearWritesThePromptAndLeavesTheFocusToAContactField) {
    view.onInitialUpdate();
    view.receiveText().setWriterState(rx::WriterState::Sent);
    platform.take();

    view.onRxClearButton();
    EXPECT_EQ(platform.take(), "empty rx|format:Received|insert:RX> |focus tx");
    EXPECT_EQ(view.receiveText().writerState(), rx::WriterState::Received);

    view.setFieldFocusLatch(true);
    view.onRxClearButton();
    EXPECT_EQ(platform.take(), "empty rx|format:Received|insert:RX> ");
}

TEST_F(ViewCoreTest, TxClearButtonEmptiesTheBoxAndReceivesAgain) {
    view.onInitialUpdate();
    platform.transmitBox.value = u"TX> CQ CQ";
    view.receiveSettings().rxEnabled = false;
    view.receiveSettings().historyIndex = 7;
    platform.take();

    view.onTxClearButton();
    EXPECT_EQ(platform.transmitBox.value, u"TX> ");
    EXPECT_EQ(view.keyer().sendPos(), 4);
    EXPECT_TRUE(view.receiveSettings().rxEnabled);
    EXPECT_EQ(view.receiveSettings().historyIndex, 0);
    EXPECT_EQ(platform.take(), "auto cq off|focus tx");
}

// Decoded text queued on another thread appears only when the user-interface
// thread drains, after the prompt when sent text was shown last.
TEST_F(ViewCoreTest, CapturedTextIsShownOnTheUserInterfaceThread) {
    view.onInitialUpdate();
    view.receiveText().setWriterState(rx::WriterState::Sent);
    platform.take();

    std::thread capture([this] {
        rx::DecodedTextSink& sink = view.receiveOutputs();
        sink.appendReceived(u"CQ");
        sink.appendWordSpace();
        view.receiveOutputs().showThreshold(-60);
    });
    capture.join();
    EXPECT_EQ(platform.take(), "");
    EXPECT_EQ(wakes, 1);

    view.drainUiEvents();
    EXPECT_EQ(platform.take(),
              "caret|format:Received|insert:\r\nRX> |caret|insert:CQ|caret|insert: |threshold -60");
}

// The transmit speed is the one setting whose change always asks to be
// saved, even before a document was applied.
TEST_F(ViewCoreTest, TransmitSpeedTrackbarSetsTheEngineAndTheDocument) {
    view.tagSpeedMemory().saveBeforeTag(15);
    view.onTxSpeedMoved(20);
    EXPECT_EQ(view.keyer().txSpeedIndex(), 20);
    EXPECT_EQ(slot(52), u"20");
    EXPECT_TRUE(document.IsModified());
    EXPECT_FALSE(view.tagSpeedMemory().txSpeedChangedByTag());
    EXPECT_EQ(platform.take(), "tx speed 125/Min");
}

TEST_F(ViewCoreTest, SoundDeviceChoiceIsStoredByName) {
    view.onInitialUpdate();
    platform.selectedDevice = 1;
    view.capture().onDeviceSelectionChanged();
    EXPECT_TRUE(view.capture().soundDeviceChosen());
    EXPECT_EQ(slot(39), u"USB Audio CODEC");
    EXPECT_FALSE(document.IsModified());  // no document applied yet

    platform.selectedDevice = 0;
    view.capture().onDeviceSelectionChanged();
    EXPECT_FALSE(view.capture().soundDeviceChosen());
    EXPECT_EQ(slot(39), u"");
}

TEST_F(ViewCoreTest, ADocumentCapturesFromItsDeviceOnItsChannel) {
    view.onInitialUpdate();
    platform.take();
    setSlot(39, u"USB Audio CODEC");
    setSlot(51, u"LeftTone");
    openDocument();
    view.onInitialUpdate();
    const std::string log = platform.take();
    EXPECT_NE(log.find("select device 1|"), std::string::npos) << log;
    EXPECT_NE(log.find("capture open chosen|capture start"), std::string::npos) << log;
    EXPECT_EQ(view.capture().channel(), rx::kLeftChannel);
    EXPECT_TRUE(view.capture().captureRunning());
}

TEST_F(ViewCoreTest, ADocumentNamingAnUnlistedDeviceLeavesTheCaptureStopped) {
    view.onInitialUpdate();
    platform.take();
    setSlot(39, u"Line In 7");
    setSlot(51, u"RightTone");
    openDocument();
    view.onInitialUpdate();
    const std::string log = platform.take();
    EXPECT_NE(log.find("message Can't find Sound Device [Line In 7].\r\n Pls select correct "
                       "Sound Device before the file open."),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("capture open"), std::string::npos) << log;
    EXPECT_EQ(view.capture().channel(), rx::kNoChannel);
}

TEST_F(ViewCoreTest, ShutdownRunsInItsFixedOrder) {
    view.onInitialUpdate();
    setSlot(37, u"COM3");
    setSlot(49, u"NMNSP1123NN5001218NNNN");  // log on, copy at exit
    setSlot(51, u"RightTone");
    openDocument();
    view.onInitialUpdate();
    ASSERT_TRUE(view.keyingPort().comOpen());
    ASSERT_TRUE(view.qsoLog().qsoLogOn());
    ASSERT_TRUE(view.capture().captureRunning());
    platform.insertText(u"RX> CQ DE JA1ABC");
    platform.take();

    view.onDestroy();
    EXPECT_EQ(platform.take(),
              "copy rx|placement|capture stop flag|timer stop|capture stop|close port");
    EXPECT_FALSE(view.receiveSettings().rxEnabled);
    const std::string logged =
        settings::test::readFileBytes(std::filesystem::path(view.qsoLog().qsoLogPath()));
    EXPECT_NE(logged.find("CQ DE JA1ABC"), std::string::npos) << logged;
}

// F12 keys until any key is released; F9 toggles the hold with its box.
TEST_F(ViewCoreTest, TuneKeyAndTxEditKey) {
    view.onInitialUpdate();
    setSlot(37, u"COM3");
    openDocument();
    view.onInitialUpdate();
    platform.recordLines = true;
    platform.take();

    view.onKeyReleased();
    EXPECT_EQ(platform.take(), "");
    view.onTuneKeyDown();
    view.onTuneKeyDown();  // auto-repeat
    EXPECT_TRUE(view.tuneKeyed());
    view.onKeyReleased();
    view.onKeyReleased();
    EXPECT_FALSE(view.tuneKeyed());
    EXPECT_EQ(platform.take(), "+rts|+rts|-rts");

    view.onTxEditKey();
    EXPECT_TRUE(view.keyer().txEditHold());
    view.setFieldFocusLatch(true);
    view.onTxEditKey();
    EXPECT_FALSE(view.keyer().txEditHold());
    EXPECT_EQ(platform.take(), "tx edit on|focus tx|tx edit off");
}

// Killed in the middle of an element, the timer leaves the key down: the
// shutdown releases key and PTT before the port is closed.
TEST_F(ViewCoreTest, ShutdownReleasesTheLinesAfterTheTimerStops) {
    view.onInitialUpdate();
    setSlot(37, u"COM3");
    openDocument();
    view.onInitialUpdate();
    platform.recordLines = true;
    view.keyingPort().keyDown();
    platform.take();
    view.onDestroy();
    EXPECT_EQ(platform.take(), "placement|capture stop flag|timer stop|-rts|-dtr|close port");
}

TEST_F(ViewCoreTest, ShutdownWithNothingOpenOnlyStopsTheThreads) {
    view.onInitialUpdate();
    platform.take();
    view.onDestroy();
    EXPECT_EQ(platform.take(), "placement|capture stop flag|timer stop");
}

// Clicks arrive in form pixels; the click areas follow the form's scale,
// whatever size the window has.
TEST_F(ViewCoreTest, ClicksIntoTheDisplaysFollowTheFormScale) {
    view.onSize(700, 300);  // a frame smaller than the form
    EXPECT_TRUE(view.onLeftClick(200, 80));
    EXPECT_EQ(view.receiveSettings().thresholdDb, -45);
    EXPECT_EQ(slot(50), u"-45");
    EXPECT_FALSE(view.onLeftClick(100, 80));

    view.setDpiScale(1.5, 1.5);
    view.onSize(2000, 900);  // a frame larger than the form
    EXPECT_TRUE(view.onLeftClick(scaleCoordinate(500, 1.5), scaleCoordinate(80, 1.5)));
    EXPECT_EQ(view.receiveSettings().toneIndex, 16 + 13);
}

}  // namespace
}  // namespace qs::ui
