#include "settings/settings_application.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "rx/morse_tables.h"
#include "settings/slot_catalog.h"
#include "tests/settings/scratch_dir.h"
#include "tests/support/fake_clock.h"
#include "tx/keyer_timeline.h"

namespace qs::settings {
namespace {

// The form, the devices and the links of the main view in one fake that
// logs every call in order.
class FakeView : public rx::ReceiveForm,
                 public rx::ReceiveIndicators,
                 public tx::KeyingPortView,
                 public tx::SerialDevice,
                 public tx::UsbKeyerLibrary,
                 public MacroButtons,
                 public SoundDeviceList,
                 public AudioCapture,
                 public TextBoxes,
                 public LoggingProgram,
                 public TransmitSpeedControl,
                 public SettingsForm,
                 public ReceiveWindowText {
  public:
    std::set<Text> devices{u"Primary", u"USB Audio CODEC"};
    bool deviceChosen = false;
    int captureChannel = 3;
    bool running = false;
    int setUpResult = 1;
    bool deviceOpen = true;
    bool hamLog = true;
    std::string log;

    std::string take() { return std::exchange(log, ""); }

    void setChecked(int id, bool on) override { note("check " + num(id) + (on ? " on" : " off")); }
    void showScale(bool upper) override { note(upper ? "upper scale" : "lower scale"); }
    Text rxSpeedLabel() const override { return u"100/Min"; }
    void returnFocusToTransmitBox() override {}
    void showRxSpeed(int) override {}
    void moveRxSpeedSlider(int) override {}
    void showThreshold(int db) override { note("threshold " + num(db)); }
    void showTone(int bin) override { note("tone " + num(bin)); }

    void setPortLabel(TextView text) override { note("label " + toUtf8(text)); }
    void showMessage(TextView text) override { note("message " + toUtf8(text)); }
    bool open(TextView name) override { return note("open " + toUtf8(name)); }
    void escape(tx::SerialLineFunction) override {}
    void close() override { note("close"); }
    bool load(TextView) override { return false; }
    bool findEntryPoints(const tx::UsbKeyerEntryPoints&) override { return false; }
    int open(int) override { return -1; }
    void close(int) override {}
    void writeData(int, int, int) override {}
    void free() override {}

    void setMacroText(int b, TextView t) override { note("text " + num(b) + " " + toUtf8(t)); }
    void showCaption(int b, TextView t) override { note("caption " + num(b) + " " + toUtf8(t)); }
    void setCaptionColour(int b, int index, std::uint32_t colour) override {
        note("colour " + num(b) + " " + num(index) + " " + num(colour));
    }
    bool soundDeviceChosen() const override { return deviceChosen; }
    bool selectSoundDevice(TextView name) override {
        note("select " + toUtf8(name));
        return deviceChosen = devices.count(Text(name)) > 0;
    }
    int channel() const override { return captureChannel; }
    bool captureRunning() const override { return running; }
    int setUp(int chosen) override {
        captureChannel = chosen;
        note("set up " + num(chosen));
        return setUpResult;
    }
    bool deviceOpened() const override { return deviceOpen; }
    void start() override {
        note("start");
        running = true;
    }
    void setTextBoxFont(TextBoxFont size) override { note("font " + num(static_cast<int>(size))); }
    void clearRx() override { note("rx clear"); }
    void clearTx() override { note("tx clear"); }
    bool logSoftIsHamLog() const override { return hamLog; }
    void setLogSoftIsHamLog(bool on) override { hamLog = on; }
    bool logger32Connected() const override { return false; }
    void startLogger32Search() override { note("search"); }
    void stopLogger32Search() override { note("stop search"); }
    void setTxSpeedPosition(int position) override { note("tx speed " + num(position)); }
    void focusTxSpeedControl() override { note("focus tx speed"); }
    void setInputGainPosition(int position) override { note("gain " + num(position)); }
    void focusTransmitEdit() override { note("focus tx edit"); }
    Text allText() const override { return u""; }

  private:
    static std::string num(long long value) { return std::to_string(value); }
    // Logs one call; true, for the calls that report success.
    bool note(const std::string& entry) {
        log += (log.empty() ? "" : ", ") + entry;
        return true;
    }
};

class SettingsApplicationTest : public ::testing::Test {
  protected:
    SettingsApplicationTest() { record.SetPathName(dir.path() / "contest.qstn"); }

    void set(int slot, const char16_t* value) { record.SetSlot(value, slot); }
    Text slotValue(int index) const {
        Text text;
        record.GetSlot(text, index);
        return text;
    }
    // Applies a loaded document, as the view does after File Open.
    std::string apply() {
        record.SetModifiedFlag(false);
        view.take();
        application.applyDocument();
        record.noteSettingsApplied();
        return view.take();
    }

    test::ScratchDir dir;
    qs::test::FakeClock clock;
    SettingsRecord record;
    FakeView view;
    rx::ReceiveSettings receive;
    tx::KeyerTimeline keyerTimeline{rx::patternFor};
    tx::Keyer& keyer = keyerTimeline.keyer();
    tx::KeyingPort port{view, view, view, record};
    QsoLog qsoLog{view, clock};
    OptionEffects options{{view, keyer, qsoLog, view, view}};
    SettingsApplication application{
        {record, receive, view, view, port, keyer, qsoLog, options, view, view, view, view, view}};
};

// The macro texts from `button` on, all empty.
std::string emptyMacroTexts(int button = 1) {
    std::string texts;
    for (; button <= slot::kMacroCount; ++button) {
        texts += (texts.empty() ? "text " : ", text ") + std::to_string(button) + " ";
    }
    return texts;
}

TEST_F(SettingsApplicationTest, FileNewAppliesNothingAndTouchesNoSlot) {
    for (int i = 1; i <= slot::kLastInUse; ++i) set(i, u"7");
    const StoredSlots before = record.storedSlots();
    for (const char* path : {"", "contest.qstn", "\\contest.qstn"}) {
        record.SetPathName(path);
        EXPECT_EQ(apply(), "") << path;
        EXPECT_EQ(record.storedSlots(), before);
        EXPECT_FALSE(record.IsModified());
        EXPECT_EQ(application.documentTag(), u"");
    }
    EXPECT_TRUE(receive.nr2On);
}

TEST_F(SettingsApplicationTest, FullDocumentAppliesEverySlotInOrder) {
    set(1, u"CQ DE <MyCall>"), set(13, u"CQ"), set(25, u"4"), set(37, u"COM3"), set(38, u"DTR");
    set(39, u"USB Audio CODEC"), set(40, u"NoiseON1"), set(41, u"QRMON"), set(42, u"431");
    set(43, u"ThreON"), set(44, u"8"), set(45, u"JA1ABC"), set(46, u"TARO"), set(47, u"TOKYO");
    set(48, u"RIG"), set(49, u"NSNSP2345BS5001218LHNN"), set(50, u"-50");
    set(51, u"RightTone"), set(52, u"20");
    const StoredSlots before = record.storedSlots();

    EXPECT_EQ(apply(),
              "text 1 CQ DE <MyCall>, text 2 , text 3 , text 4 , text 5 , text 6 , text 7 , "
              "text 8 , text 9 , text 10 , text 11 , text 12 , caption 1 CQ, colour 1 4 255, "
              "open COM3, label COM3 RTS, label COM3 DTR, select USB Audio CODEC, "
              "check 1021 on, check 1022 off, check 1023 on, tone 20, check 1028 off, "
              "lower scale, check 1065 on, gain 8, font 0, rx clear, tx clear, search, "
              "threshold -50, set up 1, start, lower scale, tx speed 20, focus tx speed, "
              "focus tx edit");
    EXPECT_EQ(record.storedSlots(), before);
    EXPECT_FALSE(record.IsModified());
    EXPECT_EQ(application.documentTag(), u" (contest.qstn)");
    EXPECT_EQ(application.stationData().otherData, u"RIG");
    EXPECT_TRUE(receive.nr1On && !receive.nr2On && receive.qrmOn && receive.autoThreshold);
    EXPECT_EQ(receive.inputGain, 15.0);
    EXPECT_EQ(options.optionString(), u"NSNSP2345BS5001218LHNN");
    EXPECT_TRUE(options.copyRxAtExit() && options.fiveNnReset() && !view.hamLog);
    EXPECT_TRUE(qsoLog.qsoLogOn());
    EXPECT_EQ(qsoLog.qsoLogPath(), (dir.path() / "20240307[0905J].txt").u16string());
    EXPECT_FALSE(keyer.echoToRx());
    EXPECT_EQ(keyer.weights().dash, 3.4);
    EXPECT_EQ(keyer.pttLeadMs(), 50);
    EXPECT_TRUE(keyer.txEditHold() && keyer.pttViaHamLog());
    EXPECT_EQ(keyer.txSpeedIndex(), 20);
}

// Slot 53 chooses the decoder before the capture starts; an older file,
// which leaves it empty, keeps the built-in one.
TEST_F(SettingsApplicationTest, DecoderSlotChoosesTheDecoderBeforeTheCaptureStarts) {
    set(51, u"RightTone");
    apply();
    EXPECT_FALSE(receive.adaptiveDecoder);
    set(53, u"AdaptiveON");
    apply();
    EXPECT_TRUE(receive.adaptiveDecoder);
    set(53, u"");
    apply();
    EXPECT_TRUE(receive.adaptiveDecoder);
    set(53, u"AdaptiveOFF");
    apply();
    EXPECT_FALSE(receive.adaptiveDecoder);
    EXPECT_EQ(slotMeaning(53), "Receive decoder");
    EXPECT_EQ(slotMeaning(54), "Reserved");
}

TEST_F(SettingsApplicationTest, MissingSoundDeviceStopsBeforeTheFilters) {
    set(1, u"CQ"), set(37, u"COM3"), set(39, u"Line In"), set(40, u"NoiseON1");
    set(51, u"LeftTone");
    EXPECT_EQ(apply(), "text 1 CQ, " + emptyMacroTexts(2) +
                           ", open COM3, label COM3 RTS, select Line In, "
                           "message Can't find Sound Device [Line In].\r\n"
                           " Pls select correct Sound Device before the file open.");
    EXPECT_TRUE(port.comOpen());
    EXPECT_TRUE(receive.nr2On);
    EXPECT_EQ(view.captureChannel, 3);

    // A device chosen before is kept whatever the document names.
    view.deviceChosen = true;
    EXPECT_EQ(apply().find("Sound Device"), std::string::npos);
    EXPECT_FALSE(receive.nr2On);
    EXPECT_TRUE(view.running);
}

TEST_F(SettingsApplicationTest, CaptureSetUpFailureAndMissingDevice) {
    set(51, u"Anything"), set(52, u"3");
    view.setUpResult = 0;
    EXPECT_NE(apply().find("set up 0, tx speed 3"), std::string::npos);
    EXPECT_FALSE(view.running);

    view.captureChannel = 3, view.setUpResult = 1, view.deviceOpen = false;
    EXPECT_EQ(apply().substr(emptyMacroTexts().size()), ", check 1065 off, set up 0");
}

TEST_F(SettingsApplicationTest, ToneSlotChoosesBinAutoAndScale) {
    // Tone bin, Auto and scale as "28 auto upper".
    const auto toneAfter = [this](const char16_t* value) {
        set(42, value);
        apply();
        return std::to_string(receive.toneIndex) + (receive.toneAuto ? " auto" : " fixed") +
               (receive.upperScale ? " upper" : " lower");
    };
    EXPECT_EQ(toneAfter(u"ToneAUTO"), "28 auto upper");
    EXPECT_EQ(toneAfter(u"431"), "20 fixed lower");
    EXPECT_EQ(toneAfter(u"ToneNotAUTO"), "28 fixed upper");
    EXPECT_EQ(toneAfter(u"518"), "28 fixed upper");
    EXPECT_EQ(toneAfter(u"560"), "26 fixed upper");
    EXPECT_EQ(toneAfter(u"538"), "25 fixed lower");
}

TEST_F(SettingsApplicationTest, NumbersThatNoHandlerWritesKeepTheCurrentValue) {
    receive.autoThreshold = true;
    set(25, u"6"), set(26, u"-1"), set(27, u"red"), set(44, u"12"), set(50, u"-45x");
    EXPECT_EQ(apply(), emptyMacroTexts() + ", check 1065 off, focus tx edit");
    EXPECT_FALSE(receive.autoThreshold);  // slot 43 empty
    for (const char16_t* value : {u"0", u"x", u" 5", u"99999999999"}) {
        set(44, value), set(50, u"5");
        receive.inputGain = 7.0;
        EXPECT_EQ(apply().find("gain"), std::string::npos);
        EXPECT_EQ(receive.inputGain, 7.0);
        EXPECT_EQ(receive.thresholdDb, -45);
    }
    set(44, u"11");
    EXPECT_NE(apply().find("gain 11"), std::string::npos);
    EXPECT_EQ(receive.inputGain, 100.0);
    set(44, u"");
    EXPECT_EQ(apply().find("gain"), std::string::npos);
    EXPECT_EQ(receive.inputGain, 1.0);
}

TEST_F(SettingsApplicationTest, TransmitSpeedOutsideTheTrackbarGivesTheMiddle) {
    const auto speedAfter = [this](const char16_t* value) {
        set(52, value);
        const std::string calls = apply();
        return calls.substr(calls.find("check 1065 off") + 16);
    };
    EXPECT_EQ(speedAfter(u"31"), "tx speed 31, focus tx speed, focus tx edit");
    EXPECT_EQ(speedAfter(u"40"), "tx speed 15, focus tx speed, focus tx edit");
    EXPECT_EQ(speedAfter(u"-1"), "tx speed 15, focus tx speed, focus tx edit");
    EXPECT_EQ(speedAfter(u"fast"), "focus tx edit");
    EXPECT_EQ(keyer.txSpeedIndex(), 15);
}

TEST_F(SettingsApplicationTest, SecondDocumentKeepsPortLineAndChannelAndNamesThem) {
    set(37, u"COM3"), set(38, u"DTR"), set(51, u"LeftTone");
    apply();
    set(37, u"COM9"), set(38, u"RTS");
    EXPECT_EQ(apply(), emptyMacroTexts() + ", check 1065 off, focus tx edit");
    EXPECT_EQ(slotValue(37), u"COM3");
    EXPECT_EQ(slotValue(38), u"DTR");
    EXPECT_TRUE(record.IsModified());

    // The channel is written back even when the slot already names it.
    set(37, u""), set(38, u"");
    apply();
    EXPECT_EQ(slotValue(51), u"LeftTone");
    EXPECT_TRUE(record.IsModified());
}

// An option string equal to the current one is not applied; another one
// clears the boxes although its font is the same. Short or damaged strings
// keep what they lack.
TEST_F(SettingsApplicationTest, OptionStringsApplyWhenTheyChange) {
    set(49, kBuiltInOptionString);
    EXPECT_EQ(apply().find("clear"), std::string::npos);
    set(49, u"NMNNP0534NN5001218LNNN");
    EXPECT_NE(apply().find("font 1, rx clear, tx clear"), std::string::npos);
    set(49, u"NS");
    EXPECT_NE(apply().find("font 0, rx clear, tx clear"), std::string::npos);
    EXPECT_EQ(options.optionString(), u"NS");
    EXPECT_TRUE(options.fiveNnReset() && options.copyRxAtExit());
    EXPECT_FALSE(view.hamLog || keyer.echoToRx());
    EXPECT_EQ(keyer.weights().dot, 0.9);

    set(49, u"NLRNN4x9:A");
    apply();
    EXPECT_EQ(keyer.weights().dot, 1.3);
    EXPECT_EQ(keyer.weights().dash, 3.8);  // "x" keeps the weight
    EXPECT_EQ(keyer.pttLeadMs(), 25);
}

TEST_F(SettingsApplicationTest, OptionsDialogSetsTheFontOnlyWhenItChanges) {
    record.SetPathName("");
    apply();
    EXPECT_FALSE(options.applyOptions(kBuiltInOptionString, OptionsSource::OptionsDialog));
    EXPECT_TRUE(options.applyOptions(u"NMNSN1123NN5001218LNNN", OptionsSource::OptionsDialog));
    EXPECT_EQ(view.take(),
              "message Saveが選択されましたが、保存先ファイルがセットされていません。\r\n"
              "諸設定を保存の上、QSTNアプリを再起動して諸設定ファイルから開始して下さい。, "
              "search");
    EXPECT_FALSE(qsoLog.qsoLogOn());
    options.applyOptions(u"NLNNN1123NN5001218HNNN", OptionsSource::OptionsDialog);
    EXPECT_EQ(view.take(), "font 2, rx clear, tx clear, stop search");
}

}  // namespace
}  // namespace qs::settings
