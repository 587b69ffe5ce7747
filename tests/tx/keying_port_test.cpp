#include "tx/keying_port.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace qs::tx {
namespace {

const char* lineName(SerialLineFunction function) {
    static const char* const kNames[] = {"+rts", "-rts", "+dtr", "-dtr"};
    return kNames[static_cast<int>(function)];
}

// The serial devices, the USB library, the view and the settings record in
// one fake that logs every call in order.
class FakeHardware : public SerialDevice,
                     public UsbKeyerLibrary,
                     public KeyingPortView,
                     public SettingsSlots {
  public:
    std::set<Text> presentPorts{u"COM1", u"COM3", u"COM9", u"\\\\.\\COM12"};
    bool dllPresent = true;
    bool entryPointsPresent = true;
    int deviceNumber = 2;
    Text label = u"COM1 RTS";
    std::string log;

    std::string take() { return std::exchange(log, ""); }

    bool open(TextView deviceName) override {
        note("open " + toUtf8(deviceName));
        return presentPorts.count(Text(deviceName)) > 0;
    }
    void escape(SerialLineFunction function) override { note(lineName(function)); }
    void close() override { note("close"); }

    bool load(TextView libraryName) override {
        note("load " + toUtf8(libraryName));
        return dllPresent;
    }
    bool findEntryPoints(const UsbKeyerEntryPoints& names) override {
        note(std::string("find ") + names.open + " " + names.close + " " + names.writeData);
        return entryPointsPresent;
    }
    int open(int argument) override {
        note("usb-open " + std::to_string(argument));
        return deviceNumber;
    }
    void close(int device) override { note("usb-close " + std::to_string(device)); }
    void writeData(int device, int argument, int data) override {
        note("usb-write " + std::to_string(device) + " " + std::to_string(argument) + " " +
             std::to_string(data));
    }
    void free() override { note("free"); }

    void setPortLabel(TextView text) override { label = text; }
    void showMessage(TextView text) override { note("message " + toUtf8(text)); }
    void setSlot(int slot, TextView value) override {
        note("slot " + std::to_string(slot) + " " + toUtf8(value));
    }

  private:
    void note(const std::string& entry) { log += (log.empty() ? "" : ", ") + entry; }
};

constexpr char kUsbOpened[] =
    "load usbif4cw.dll, find usbif4cwOpen usbif4cwClose usbif4cwWriteData, usb-open 0";

class KeyingPortTest : public ::testing::Test {
  protected:
    FakeHardware hardware;
    KeyingPort port{hardware, hardware, hardware, hardware};

    std::string keyOneElement() {
        hardware.take();
        port.pttLineOn();
        port.keyDown();
        port.keyUp();
        port.pttLineOff();
        return hardware.take();
    }
};

TEST_F(KeyingPortTest, MenuOpensComPortsByTheirDeviceNames) {
    // A port that fails to open keeps its name, keys nothing and needs no close.
    port.menuCommand(menu::kCom8);
    EXPECT_EQ(hardware.take(), "open COM8, message Can't open COM8.");
    EXPECT_EQ(port.portName(), u"COM8");
    EXPECT_TRUE(port.comOpen());
    EXPECT_EQ(keyOneElement(), "");
    port.menuCommand(menu::kCom9);
    port.menuCommand(menu::kCom9 + 3);
    EXPECT_EQ(hardware.take(),
              "open COM9, -rts, -dtr, slot 37 COM9, "
              "close, open \\\\.\\COM12, -rts, -dtr, slot 37 COM12");
    EXPECT_EQ(hardware.label, u"COM12  RTS");
    EXPECT_TRUE(port.menuItemChecked(menu::kCom9 + 3));
    EXPECT_FALSE(port.menuItemChecked(menu::kCom9));
    EXPECT_TRUE(port.menuItemChecked(menu::kKeyWithRts));
    EXPECT_FALSE(port.menuCommand(32788));
}

TEST_F(KeyingPortTest, KeyLineChoiceSwapsKeyAndPttLines) {
    port.selectComPort(3);
    EXPECT_EQ(keyOneElement(), "+dtr, +rts, -rts, -dtr");
    port.menuCommand(menu::kKeyWithDtr);
    EXPECT_EQ(hardware.take(), "slot 38 DTR");  // no line touched, no reopen
    EXPECT_EQ(hardware.label, u"COM3 DTR");
    EXPECT_TRUE(port.keyLineSet());
    EXPECT_TRUE(port.menuItemChecked(menu::kKeyWithDtr));
    EXPECT_EQ(keyOneElement(), "+rts, +dtr, -dtr, -rts");
}

TEST_F(KeyingPortTest, Usbif4cwKeysWithDataBytesAndHasNoPtt) {
    port.menuCommand(menu::kUsbif4cw);
    EXPECT_EQ(hardware.take(), std::string(kUsbOpened) + ", slot 37 USBIF");
    EXPECT_EQ(hardware.label, u"USBIF4CW");
    EXPECT_TRUE(port.menuItemChecked(menu::kUsbif4cw));
    EXPECT_EQ(keyOneElement(), "usb-write 2 0 254, usb-write 2 0 255");
    port.selectComPort(1);
    EXPECT_EQ(hardware.take(), "usb-close 2, free, open COM1, -rts, -dtr, slot 37 COM1");
    EXPECT_EQ(keyOneElement(), "+dtr, +rts, -rts, -dtr");
}

TEST_F(KeyingPortTest, Usbif4cwFailuresLeaveNoPortAndFreeTheLibraryAgain) {
    port.selectComPort(3);
    hardware.dllPresent = false;
    port.selectUsbif4cw();
    EXPECT_EQ(hardware.take(),
              "open COM3, -rts, -dtr, slot 37 COM3, close, load usbif4cw.dll, "
              "message USBIF4CWが見つかりませんでした。");
    EXPECT_EQ(hardware.label, u"");
    EXPECT_EQ(port.portName(), u"");
    EXPECT_FALSE(port.usbif4cwInUse());

    hardware.dllPresent = true;
    hardware.entryPointsPresent = false;
    port.selectUsbif4cw();
    EXPECT_EQ(hardware.take(),
              "load usbif4cw.dll, find usbif4cwOpen usbif4cwClose usbif4cwWriteData, free, "
              "message USBIF4CWが見つかりませんでした。");
    hardware.entryPointsPresent = true;
    hardware.deviceNumber = -1;
    port.selectUsbif4cw();
    EXPECT_EQ(hardware.take(),
              std::string(kUsbOpened) + ", free, message USBIF4CWが見つかりませんでした。");
    EXPECT_EQ(keyOneElement(), "");
}

TEST_F(KeyingPortTest, CloseReleasesWhatIsOpenOnce) {
    port.selectComPort(3);
    hardware.take();
    port.closeKeyingPort();
    port.closeKeyingPort();
    EXPECT_EQ(hardware.take(), "close");
    EXPECT_EQ(keyOneElement(), "");
    port.selectUsbif4cw();
    hardware.take();
    port.closeKeyingPort();
    EXPECT_EQ(hardware.take(), "usb-close 2, free");
}

// At shutdown the key goes up and PTT off before the port is closed.
TEST_F(KeyingPortTest, ReleasingTheLinesKeysUpAndSwitchesPttOff) {
    port.selectComPort(3);
    port.selectKeyLine(u"DTR");
    hardware.take();
    port.releaseLines();
    EXPECT_EQ(hardware.take(), "-dtr, -rts");
    port.selectUsbif4cw();
    hardware.take();
    port.releaseLines();
    EXPECT_EQ(hardware.take(), "usb-write 2 0 255");
    port.closeKeyingPort();
    hardware.take();
    port.releaseLines();
    EXPECT_EQ(hardware.take(), "");
}

// The settings record's port and line: the first record opens them (a failed
// open still counts); later ones keep the active port and line and write them
// back; unknown or empty slots change nothing.
TEST_F(KeyingPortTest, SettingsRecordsOpenTheFirstPortOnly) {
    port.applyKeyingSettings(u"", u"");
    port.applyKeyingSettings(u"COM16", u"CTS");
    port.applyKeyingSettings(u"com3", u"");
    EXPECT_EQ(hardware.take(), "");
    EXPECT_EQ(hardware.label, u"COM1 RTS");
    EXPECT_FALSE(port.keyLineSet());

    port.applyKeyingSettings(u"COM3", u"DTR");
    EXPECT_EQ(hardware.take(), "open COM3, -rts, -dtr");  // no slot rewritten
    EXPECT_EQ(hardware.label, u"COM3 DTR");
    EXPECT_TRUE(port.keyLineSet());
    port.selectKeyLine(u"RTS");
    hardware.take();
    port.applyKeyingSettings(u"COM1", u"DTR");
    EXPECT_EQ(hardware.take(), "slot 37 COM3, slot 38 RTS");
    port.applyKeyingSettings(u"COM3", u"RTS");
    EXPECT_EQ(hardware.take(), "");

    FakeHardware failing;
    KeyingPort other{failing, failing, failing, failing};
    other.applyKeyingSettings(u"COM7", u"");
    other.applyKeyingSettings(u"COM3", u"");
    EXPECT_EQ(failing.take(), "open COM7, message Can't open COM7., slot 37 COM7");
}

TEST_F(KeyingPortTest, SettingsRecordWithUsbif4cwIgnoresTheKeyLine) {
    port.applyKeyingSettings(u"USBIF", u"DTR");
    EXPECT_EQ(hardware.take(), kUsbOpened);
    EXPECT_EQ(hardware.label, u"USBIF4CW");
    EXPECT_FALSE(port.keyLineSet());

    FakeHardware missing;  // without the library the line still applies
    missing.dllPresent = false;
    KeyingPort other{missing, missing, missing, missing};
    other.applyKeyingSettings(u"USBIF", u"DTR");
    EXPECT_EQ(other.portName(), u"");
    EXPECT_EQ(missing.label, u" DTR");
}

}  // namespace
}  // namespace qs::tx
