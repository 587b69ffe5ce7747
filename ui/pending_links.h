#pragma once
// Stand-ins for the parts of the terminal that are not built yet: the keying
// timer, the serial port, the USBIF4CW library, HamLog and the audio capture.
// Each refuses honestly (nothing opens, nothing is sent, nothing captured) so
// that the rest of the terminal runs and reports those parts as unavailable.

#include "settings/settings_view.h"
#include "tx/keyer_links.h"
#include "tx/keying_devices.h"

namespace qs::ui {

// The keying timer does not run: the engine gets no ticks.
class IdleKeyerTimer : public tx::KeyerTimer {
public:
    void restart(int) override {}
};

// No serial port can be opened; the keying port reports "Can't open COMn.".
class UnavailableSerialDevice : public tx::SerialDevice {
public:
    bool open(TextView) override { return false; }
    void escape(tx::SerialLineFunction) override {}
    void close() override {}
};

// usbif4cw.dll is never loaded; the keying port reports the interface missing.
class UnavailableUsbKeyerLibrary : public tx::UsbKeyerLibrary {
public:
    bool load(TextView) override { return false; }
    bool findEntryPoints(const tx::UsbKeyerEntryPoints&) override { return false; }
    int open(int) override { return -1; }
    void close(int) override {}
    void writeData(int, int, int) override {}
    void free() override {}
};

// HamLog is never found.
class AbsentHamLog : public tx::HamLogPttLink {
public:
    bool linkOk() const override { return false; }
    void runLinkTest() override {}
    void sendPtt(bool) override {}
};

// No capture device: no channel is taken and nothing starts. The failure to
// set up is reported through `report`, as a missing device would be.
class AbsentAudioCapture : public settings::AudioCapture {
public:
    explicit AbsentAudioCapture(settings::SettingsForm& report) : report_(report) {}

    int channel() const override { return 3; }
    bool captureRunning() const override { return false; }
    int setUp(int) override {
        report_.showMessage(u"Sound Device Error!!!\r\nPls check Mike/Line/USB.");
        return 0;
    }
    bool deviceOpened() const override { return false; }
    void start() override {}

private:
    settings::SettingsForm& report_;
};

}  // namespace qs::ui
