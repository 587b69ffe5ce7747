#include "tx/keying_port.h"

namespace qs::tx {

namespace {

constexpr int kComPorts = 15;
constexpr int kFirstPortWithDevicePrefix = 10;
constexpr TextView kUsbPortName = u"USBIF";
constexpr TextView kUsbPortLabel = u"USBIF4CW";
constexpr TextView kUsbLibraryName = u"usbif4cw.dll";
constexpr UsbKeyerEntryPoints kUsbEntryPoints{"usbif4cwOpen", "usbif4cwClose", "usbif4cwWriteData"};
constexpr TextView kUsbNotFound = u"USBIF4CWが見つかりませんでした。";
constexpr int kUsbKeyDown = 0xFE;
constexpr int kUsbKeyUp = 0xFF;

Text comPortName(int portNumber) {
    return u"COM" + decimalText(portNumber);
}

std::optional<int> comPortOfMenu(int commandId) {
    if (commandId >= menu::kCom1 && commandId <= menu::kCom8) return commandId - menu::kCom1 + 1;
    if (commandId >= menu::kCom9 && commandId <= menu::kCom15) return commandId - menu::kCom9 + 9;
    return std::nullopt;
}

}  // namespace

std::optional<int> comPortNumber(TextView portName) {
    for (int number = 1; number <= kComPorts; ++number) {
        if (portName == comPortName(number)) return number;
    }
    return std::nullopt;
}

Text comDeviceName(int portNumber) {
    const Text name = comPortName(portNumber);
    return portNumber >= kFirstPortWithDevicePrefix ? u"\\\\.\\" + name : name;
}

KeyingPort::KeyingPort(SerialDevice& serial, UsbKeyerLibrary& usb, KeyingPortView& view,
                       SettingsSlots& slots)
    : serial_(serial), usb_(usb), view_(view), slots_(slots) {}

bool KeyingPort::openKeyingPort() {
    switch (reopen()) {
        case OpenResult::Opened:
            return true;
        case OpenResult::ComFailed:
            view_.showMessage(u"Can't open " + portName_ + u".");
            return false;
        case OpenResult::UsbNotFound:
            view_.showMessage(kUsbNotFound);
            return false;
        case OpenResult::NotOpened:
            break;
    }
    return false;
}

KeyingPort::OpenResult KeyingPort::reopen() {
    std::lock_guard<std::mutex> lock(deviceMutex_);
    closeAll();
    if (const auto number = comPortNumber(portName_)) return openCom(*number);
    if (portName_ == kUsbPortName) return openUsb();
    return OpenResult::NotOpened;
}

void KeyingPort::closeAll() {
    if (comOpen_) {
        if (comUsable_) serial_.close();
        comOpen_ = false;
        comUsable_ = false;
    }
    if (usbif4cwInUse_ && usbif4cwDevice_ >= 0) {
        usb_.close(usbif4cwDevice_);
        freeUsbLibrary();
        usbif4cwInUse_ = false;
    }
}

// Right after opening, both lines are inactive: key up, PTT off.
KeyingPort::OpenResult KeyingPort::openCom(int portNumber) {
    comOpen_ = true;
    comUsable_ = serial_.open(comDeviceName(portNumber));
    if (!comUsable_) return OpenResult::ComFailed;
    serial_.escape(SerialLineFunction::ClearRts);
    serial_.escape(SerialLineFunction::ClearDtr);
    return OpenResult::Opened;
}

// A library that loaded but failed is freed again, so the next attempt
// starts clean.
KeyingPort::OpenResult KeyingPort::openUsb() {
    if (usbif4cwInUse_) return OpenResult::NotOpened;
    if (!usb_.load(kUsbLibraryName)) return OpenResult::UsbNotFound;
    usbLibraryLoaded_ = true;
    if (!usb_.findEntryPoints(kUsbEntryPoints)) {
        freeUsbLibrary();
        return OpenResult::UsbNotFound;
    }
    const int device = usb_.open(0);
    if (device < 0) {
        freeUsbLibrary();
        return OpenResult::UsbNotFound;
    }
    usbif4cwDevice_ = device;
    usbif4cwInUse_ = true;
    return OpenResult::Opened;
}

void KeyingPort::freeUsbLibrary() {
    if (!usbLibraryLoaded_) return;
    usb_.free();
    usbLibraryLoaded_ = false;
}

void KeyingPort::selectComPort(int portNumber) {
    if (portNumber < 1 || portNumber > kComPorts) return;
    portName_ = comPortName(portNumber);
    if (!openKeyingPort()) return;
    view_.setPortLabel(portName_ + u"  " + keyLine_);
    slots_.setSlot(kKeyingPortSlot, portName_);
}

void KeyingPort::selectUsbif4cw() {
    if (openUsbWithLabel()) slots_.setSlot(kKeyingPortSlot, kUsbPortName);
}

// Opens the USBIF4CW interface and labels the port; on failure no port is
// left selected.
bool KeyingPort::openUsbWithLabel() {
    portName_ = kUsbPortName;
    if (openKeyingPort()) {
        view_.setPortLabel(kUsbPortLabel);
        return true;
    }
    view_.setPortLabel(u"");
    {
        std::lock_guard<std::mutex> lock(deviceMutex_);
        usbif4cwInUse_ = false;
    }
    portName_.clear();
    return false;
}

// The lines are not touched and the port is not reopened: the new line keys
// from the next element on.
void KeyingPort::selectKeyLine(TextView line) {
    if (line != u"RTS" && line != u"DTR") return;
    {
        std::lock_guard<std::mutex> lock(deviceMutex_);
        keyLine_ = line;
    }
    view_.setPortLabel(portName_ + u" " + keyLine_);
    slots_.setSlot(kKeyLineSlot, keyLine_);
    keyLineSet_ = true;
}

bool KeyingPort::menuCommand(int commandId) {
    if (const auto number = comPortOfMenu(commandId)) {
        selectComPort(*number);
    } else if (commandId == menu::kUsbif4cw) {
        selectUsbif4cw();
    } else if (commandId == menu::kKeyWithRts) {
        selectKeyLine(u"RTS");
    } else if (commandId == menu::kKeyWithDtr) {
        selectKeyLine(u"DTR");
    } else {
        return false;
    }
    return true;
}

bool KeyingPort::menuItemChecked(int commandId) const {
    if (const auto number = comPortOfMenu(commandId)) return portName_ == comPortName(*number);
    if (commandId == menu::kUsbif4cw) return portName_ == kUsbPortName;
    if (commandId == menu::kKeyWithRts) return keyLine_ == u"RTS";
    if (commandId == menu::kKeyWithDtr) return keyLine_ == u"DTR";
    return false;
}

void KeyingPort::applyKeyingSettings(TextView portSlot, TextView keyLineSlot) {
    applyPortSlot(portSlot);
    applyKeyLineSlot(keyLineSlot);
}

// A port that is already active stays; the record is made to name it.
void KeyingPort::applyPortSlot(TextView portSlot) {
    if (portSlot.empty()) return;
    if (comOpen_ || usbif4cwInUse_) {
        if (portSlot != portName_) slots_.setSlot(kKeyingPortSlot, portName_);
        return;
    }
    if (comPortNumber(portSlot)) {
        portName_ = portSlot;
        if (openKeyingPort()) view_.setPortLabel(portName_ + u" " + keyLine_);
    } else if (portSlot == kUsbPortName && !usbif4cwInUse_) {
        openUsbWithLabel();
    }
}

// A line chosen before (by the menu or an earlier record) stays; the record
// is made to name it.
void KeyingPort::applyKeyLineSlot(TextView keyLineSlot) {
    if (keyLineSlot.empty() || usbif4cwInUse_) return;
    if (keyLineSet_) {
        if (keyLineSlot != keyLine_) slots_.setSlot(kKeyLineSlot, keyLine_);
        return;
    }
    if (keyLineSlot != u"RTS" && keyLineSlot != u"DTR") return;
    {
        std::lock_guard<std::mutex> lock(deviceMutex_);
        keyLine_ = keyLineSlot;
    }
    view_.setPortLabel(portName_ + u" " + keyLine_);
    keyLineSet_ = true;
}

// The lines are left as they are.
void KeyingPort::closeKeyingPort() {
    std::lock_guard<std::mutex> lock(deviceMutex_);
    closeAll();
}

void KeyingPort::releaseLines() {
    keyUp();
    pttLineOff();
}

void KeyingPort::keyDown() {
    std::lock_guard<std::mutex> lock(deviceMutex_);
    if (usbif4cwInUse_) {
        writeUsb(kUsbKeyDown);
    } else {
        escapeIfOpen(keysWithDtr() ? SerialLineFunction::SetDtr : SerialLineFunction::SetRts);
    }
}

void KeyingPort::keyUp() {
    std::lock_guard<std::mutex> lock(deviceMutex_);
    if (usbif4cwInUse_) {
        writeUsb(kUsbKeyUp);
    } else {
        escapeIfOpen(keysWithDtr() ? SerialLineFunction::ClearDtr : SerialLineFunction::ClearRts);
    }
}

// USBIF4CW has no PTT output.
void KeyingPort::pttLineOn() {
    std::lock_guard<std::mutex> lock(deviceMutex_);
    if (usbif4cwInUse_) return;
    escapeIfOpen(keysWithDtr() ? SerialLineFunction::SetRts : SerialLineFunction::SetDtr);
}

void KeyingPort::pttLineOff() {
    std::lock_guard<std::mutex> lock(deviceMutex_);
    if (usbif4cwInUse_) return;
    escapeIfOpen(keysWithDtr() ? SerialLineFunction::ClearRts : SerialLineFunction::ClearDtr);
}

void KeyingPort::escapeIfOpen(SerialLineFunction function) {
    if (comUsable_) serial_.escape(function);
}

void KeyingPort::writeUsb(int data) {
    if (usbif4cwDevice_ >= 0) usb_.writeData(usbif4cwDevice_, 0, data);
}

}  // namespace qs::tx
