#pragma once
// The keying port: a COM port, whose RTS or DTR line keys the transmitter
// while the other line switches PTT, or the USBIF4CW USB interface. Owns the
// port and line choice (settings slots 37 and 38), the port label, the menu
// commands that choose them, and the four line primitives that the keying
// engine and the manual key call.
//
// The port is opened and closed on the user-interface thread; the line
// primitives also run on the keying timer's thread. A lock keeps a line call
// from reaching a device or library while it is being closed or freed.

#include <mutex>
#include <optional>

#include "common/text.h"
#include "settings/settings_slots.h"
#include "tx/keyer_links.h"
#include "tx/keying_devices.h"

namespace qs::tx {

// Menu "&Initial Setting": popups "Comm(&C)" and "Key Ctrl(&K)".
namespace menu {
inline constexpr int kCom1 = 32777;  // COM1 .. COM8: 32777 .. 32784
inline constexpr int kCom8 = 32784;
inline constexpr int kCom9 = 32795;  // COM9 .. COM15: 32795 .. 32801
inline constexpr int kCom15 = 32801;
inline constexpr int kUsbif4cw = 32785;
inline constexpr int kKeyWithRts = 32786;
inline constexpr int kKeyWithDtr = 32787;
}  // namespace menu

inline constexpr int kKeyingPortSlot = 37;  // "COM1" .. "COM15", "USBIF"
inline constexpr int kKeyLineSlot = 38;     // "RTS", "DTR"

// The port label (1027) and message boxes.
class KeyingPortView {
public:
    virtual ~KeyingPortView() = default;
    virtual void setPortLabel(TextView text) = 0;
    virtual void showMessage(TextView text) = 0;
};

// "COM1" .. "COM15" give 1 .. 15; anything else none.
std::optional<int> comPortNumber(TextView portName);
// The device to open for a COM port: "COM9", but "\\.\COM10" from 10 on.
Text comDeviceName(int portNumber);

class KeyingPort : public KeyingLine {
public:
    KeyingPort(SerialDevice& serial, UsbKeyerLibrary& usb, KeyingPortView& view,
               SettingsSlots& slots);

    // Closes what is open, then opens the port named by portName(). True when
    // a port is now usable. A COM port that fails to open stays "open" with
    // no device behind it: its line calls have no effect.
    bool openKeyingPort();

    // Menu choices.
    void selectComPort(int portNumber);
    void selectUsbif4cw();
    void selectKeyLine(TextView line);  // "RTS" or "DTR"
    // Runs the menu command; false when the id is not one of this menu's.
    bool menuCommand(int commandId);
    bool menuItemChecked(int commandId) const;

    // A settings record is applied: its slots 37 and 38.
    void applyKeyingSettings(TextView portSlot, TextView keyLineSlot);

    // The view is destroyed (after the keying timer was killed).
    void closeKeyingPort();
    // Key up and PTT off on whatever is open: the timer may have been killed
    // in the middle of an element or a lead, and a transmitter must not stay
    // keyed after the program has gone.
    void releaseLines();

    void keyDown() override;
    void keyUp() override;
    void pttLineOn() override;
    void pttLineOff() override;

    const Text& portName() const { return portName_; }
    const Text& keyLine() const { return keyLine_; }
    bool keyLineSet() const { return keyLineSet_; }
    bool comOpen() const { return comOpen_; }
    bool usbif4cwInUse() const { return usbif4cwInUse_; }

private:
    enum class OpenResult { Opened, NotOpened, ComFailed, UsbNotFound };

    OpenResult reopen();
    void closeAll();
    OpenResult openCom(int portNumber);
    OpenResult openUsb();
    void freeUsbLibrary();
    bool openUsbWithLabel();
    void applyPortSlot(TextView portSlot);
    void applyKeyLineSlot(TextView keyLineSlot);
    void escapeIfOpen(SerialLineFunction function);
    void writeUsb(int data);
    bool keysWithDtr() const { return keyLine_ == u"DTR"; }

    SerialDevice& serial_;
    UsbKeyerLibrary& usb_;
    KeyingPortView& view_;
    SettingsSlots& slots_;

    mutable std::mutex deviceMutex_;
    Text portName_;
    Text keyLine_ = u"RTS";
    bool keyLineSet_ = false;
    bool comOpen_ = false;    // an open was attempted; set also when it failed
    bool comUsable_ = false;  // the open succeeded
    bool usbif4cwInUse_ = false;
    int usbif4cwDevice_ = -1;
    bool usbLibraryLoaded_ = false;
};

}  // namespace qs::tx
