#pragma once
// The window side of the main view as one fake: every call of the core into
// the form, the devices and the host is logged, in order, in the receive
// window's log (e.g. "setup|caret|format:Received|insert:RX> |focus tx").

#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/fake_clock.h"
#include "tests/support/fake_receive_window.h"
#include "ui/view_core.h"

namespace qs::ui::test {

class FakeViewPlatform : public qs::test::FakeReceiveWindow,
                         public ViewHost,
                         public settings::ReceiveWindowText,
                         public rx::ReceiveForm,
                         public rx::ReceiveIndicators,
                         public MacroLabels,
                         public rx::SoundDeviceCombo,
                         public rx::CaptureBackend,
                         public rx::CaptureDesktop,
                         public settings::LoggingProgram,
                         public settings::TransmitSpeedControl,
                         public settings::SettingsForm,
                         public tx::KeyingPortView,
                         public tx::SerialDevice,
                         public tx::UsbKeyerLibrary,
                         public tx::KeyerTimer,
                         public tx::HamLogPttLink,
                         public tx::KeyerView,
                         public tx::ControlTagTarget {
public:
    struct Field : rx::HisCallField, tx::TransmitBox {
        Text value;
        Text text() const override { return value; }
        void setText(TextView text) override { value = Text(text); }
        void clearAndInsert(TextView text) override { value = Text(text); }
    };

    // The capture devices as the system lists them: the default one first.
    std::vector<Text> soundDevices{u"Primary Sound Capture Driver", u"USB Audio CODEC"};
    rx::CaptureDeviceId usbAudioId{{0x5A}};
    std::vector<Text> deviceEntries;
    std::vector<const rx::CaptureDeviceId*> entryDevices;
    int selectedDevice = -1;
    bool captureOpens = true;
    // The capture thread's stop flag as the keying timer sees it stopped.
    const std::atomic<bool>* captureStopFlag = nullptr;
    Field hisCall;
    Field transmitBox;
    rx::BlindCanvas levelCanvas{177, 96};
    rx::BlindCanvas spectrumCanvas{176, 96};
    qs::test::FakeClock clock;

    ViewPlatform platform() {
        return {*this, *this, *this, *this,       *this, hisCall, levelCanvas, spectrumCanvas,
                *this, *this, *this, *this,       *this, *this,   *this,       *this,
                *this, *this, *this, transmitBox, *this, *this,   *this,       clock};
    }

    // The log since the last take, as the receive window keeps it.
    std::string take() {
        std::string entries = log();
        clearLog();
        return entries;
    }

    void oneTimeSetup() override { record("setup"); }
    void emptyReceiveWindow() override { record("empty rx"); }
    void setTextBoxFont(settings::TextBoxFont size) override {
        record("font " + num(static_cast<int>(size)));
    }
    void copyReceivedTextAndOpenWordPad() override { record("copy rx"); }
    void storeFramePlacement() override { record("placement"); }
    void stopKeyerTimer() override {
        record(captureStopFlag && *captureStopFlag ? "capture stop flag|timer stop" : "timer stop");
    }

    Text allText() const override { return text(); }

    void setChecked(int id, bool on) override {
        record("check " + num(id) + (on ? " on" : " off"));
    }
    void showScale(bool upper) override { record(upper ? "upper scale" : "lower scale"); }
    Text rxSpeedLabel() const override { return u"100/Min"; }
    void returnFocusToTransmitBox() override { record("focus tx"); }
    void showRxSpeed(int cpm) override { record("rx speed " + num(cpm)); }
    void moveRxSpeedSlider(int index) override { record("rx slider " + num(index)); }
    void showThreshold(int db) override { record("threshold " + num(db)); }
    void showTone(int bin) override { record("tone " + num(bin)); }

    void setLabelCaption(int macro, TextView text) override {
        record("caption " + num(macro) + " " + toUtf8(text));
    }
    void repaintLabel(int macro) override { record("repaint " + num(macro)); }
    void addEntry(TextView text, const rx::CaptureDeviceId* device) override {
        deviceEntries.emplace_back(text);
        entryDevices.push_back(device);
    }
    int selectedEntry() const override { return selectedDevice; }
    Text entryText(int entry) const override { return deviceEntries.at(entry); }
    const rx::CaptureDeviceId* entryDevice(int entry) const override {
        return entry >= 0 && entry < entryCount() ? entryDevices[entry] : nullptr;
    }
    void selectEntry(int entry) override {
        selectedDevice = entry;
        record("select device " + num(entry));
    }
    int entryCount() const override { return static_cast<int>(deviceEntries.size()); }

    void enumerateDevices(rx::CaptureDeviceSink& sink) override {
        sink.onCaptureDevice(nullptr, soundDevices.at(0));
        for (size_t i = 1; i < soundDevices.size(); ++i) {
            sink.onCaptureDevice(&usbAudioId, soundDevices[i]);
        }
    }
    bool open(const rx::CaptureDeviceId* device) override {
        record(device ? "capture open chosen" : "capture open default");
        return captureOpens;
    }
    bool start(const rx::CaptureTarget&) override {
        record("capture start");
        return true;
    }
    void stop() override { record("capture stop"); }
    void showError(TextView text) override { record("error " + toUtf8(text)); }
    bool openProgram(TextView program, TextView) override {
        record("run " + toUtf8(program));
        return false;
    }

    bool logSoftIsHamLog() const override { return hamLog_; }
    void setLogSoftIsHamLog(bool on) override { hamLog_ = on; }
    bool logger32Connected() const override { return false; }
    void startLogger32Search() override { record("logger32 search"); }
    void stopLogger32Search() override { record("logger32 search stop"); }

    void setTxSpeedPosition(int position) override { record("tx slider " + num(position)); }
    void focusTxSpeedControl() override { record("focus tx slider"); }
    void showMessage(TextView text) override { record("message " + toUtf8(text)); }
    void setInputGainPosition(int position) override { record("gain " + num(position)); }
    void focusTransmitEdit() override { record("focus tx"); }

    void setPortLabel(TextView text) override { record("port label " + toUtf8(text)); }
    bool open(TextView name) override {
        record("open " + toUtf8(name));
        return true;
    }
    void escape(tx::SerialLineFunction function) override {
        static const char* const kNames[] = {"+rts", "-rts", "+dtr", "-dtr"};
        if (recordLines) record(kNames[static_cast<int>(function)]);
    }
    bool recordLines = false;
    void close() override { record("close port"); }
    bool load(TextView) override { return false; }
    bool findEntryPoints(const tx::UsbKeyerEntryPoints&) override { return false; }
    int open(int) override { return -1; }
    void close(int) override {}
    void writeData(int, int, int) override {}
    void free() override {}

    void restart(int periodMs) override { record("timer " + num(periodMs)); }
    bool linkOk() const override { return false; }
    void runLinkTest() override {}
    void sendPtt(bool) override {}

    bool captureRunning() const override { return false; }
    void refreshWindowTitle() override { record("title"); }
    void setTxSpeedLabel(TextView text) override { record("tx speed " + toUtf8(text)); }
    void setTxEditChecked(bool on) override { record(on ? "tx edit on" : "tx edit off"); }
    void stopAutoCq() override { record("auto cq off"); }

    int txSpeedPosition() const override { return 15; }
    void runQsoReportingInline() override {}
    void runSaveReportingInline() override {}
    void clearHisCall() override { hisCall.value.clear(); }
    void armCallCapture() override {}
    void setHisCallGroupCaption(TextView) override {}

private:
    static std::string num(long long value) { return std::to_string(value); }
    bool hamLog_ = false;
};

}  // namespace qs::ui::test
