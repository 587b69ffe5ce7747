#pragma once
// Stand-ins for the parts of the terminal that are not built yet: the keying
// timer, the serial port, the USBIF4CW library and HamLog.
// Each refuses honestly (nothing opens, nothing is sent) so
// that the rest of the terminal runs and reports those parts as unavailable.

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

}  // namespace qs::ui
