#include "rx/capture_session.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

namespace qs::rx {
namespace {

CaptureDeviceId deviceId(int n) {
    CaptureDeviceId id{};
    id.fill(static_cast<std::uint8_t>(n));
    return id;
}

// The platform and the view around the session. The backend lists the
// default device, then 22 with identifiers, of which 20 can be listed.
struct FakeSystem : CaptureBackend, SoundDeviceCombo, CaptureDesktop, ReceiveForm, SettingsSlots {
    void enumerateDevices(CaptureDeviceSink& sink) override {
        sink.onCaptureDevice(nullptr, u"Primary Sound Capture Driver");
        for (int n = 1; n <= 22; ++n) {
            const CaptureDeviceId id = deviceId(n);
            sink.onCaptureDevice(&id, u"Line In " + decimalText(n));
        }
    }
    bool open(const CaptureDeviceId* device) override {
        opened.push_back(device ? std::optional(*device) : std::nullopt);
        return openSucceeds;
    }
    bool start() override { return ++starts, startSucceeds; }
    void stop() override { ++stops; }
    void addEntry(TextView text, const CaptureDeviceId* device) override {
        entries.push_back({Text(text), device});
    }
    int selectedEntry() const override { return selected; }
    Text entryText(int entry) const override { return entries.at(entry).first; }
    const CaptureDeviceId* entryDevice(int entry) const override {
        return entry >= 0 && entry < entryCount() ? entries[entry].second : nullptr;
    }
    void selectEntry(int entry) override { selected = entry; }
    int entryCount() const override { return static_cast<int>(entries.size()); }
    void showError(TextView text) override { errors.emplace_back(text); }
    void showMessage(TextView text) override { messages.emplace_back(text); }
    bool openProgram(TextView program, TextView parameters) override {
        programsTried.push_back(Text(program) + u" " + Text(parameters));
        return Text(program) == workingProgram;
    }
    void setChecked(int, bool) override {}
    void showScale(bool upper) override { shownScale = upper; }
    Text rxSpeedLabel() const override { return u""; }
    void returnFocusToTransmitBox() override {}
    void setSlot(int slot, TextView value) override { slots[slot] = Text(value); }

    bool openSucceeds = true, startSucceeds = true;
    std::vector<std::optional<CaptureDeviceId>> opened;  // nullopt: the default device
    int starts = 0, stops = 0;
    std::vector<std::pair<Text, const CaptureDeviceId*>> entries;
    int selected = -1;
    std::vector<Text> errors, messages, programsTried;
    Text workingProgram;
    std::optional<bool> shownScale;
    std::map<int, Text> slots;
};

const std::vector<Text> kDeviceError = {u"Sound Device Error!!!\r\nPls check Mike/Line/USB."};

class CaptureSessionTest : public ::testing::Test {
protected:
    CaptureSessionTest() { session.enumerateDevices(); }

    void pick(int entry) {
        fake.selected = entry;
        session.onDeviceSelectionChanged();
    }

    FakeSystem fake;
    CaptureControl control;
    ReceiveSettings receive;
    CaptureSession session{{fake, control, receive, fake, fake, fake, fake}};
};

TEST_F(CaptureSessionTest, TwentyDevicesAreListedInOrderAfterTheSelectedDefault) {
    ASSERT_EQ(fake.entries.size(), 21u);
    EXPECT_EQ(fake.selected, 0);
    EXPECT_EQ(fake.entries[0].second, nullptr);
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(fake.entries[n].first, u"Line In " + decimalText(n));
        EXPECT_EQ(*fake.entries[n].second, deviceId(n));
    }
}

TEST_F(CaptureSessionTest, SoundMenuStartsTheCaptureOnceThenChangesOnlyTheChannel) {
    EXPECT_FALSE(session.menuItemChecked(menu::kSoundRight));
    EXPECT_FALSE(session.menuItemChecked(menu::kSoundLeft));
    EXPECT_TRUE(session.menuCommand(menu::kSoundRight));
    EXPECT_EQ(fake.slots[51], u"RightTone");
    EXPECT_EQ(control.channel, kRightChannel);
    EXPECT_EQ(fake.opened, std::vector<std::optional<CaptureDeviceId>>{std::nullopt});
    EXPECT_TRUE(session.captureRunning());
    EXPECT_EQ(fake.shownScale, std::optional(true));
    EXPECT_TRUE(session.menuItemChecked(menu::kSoundRight));

    pick(1);  // stored for the next start only
    EXPECT_EQ(fake.slots[39], u"Line In 1");
    session.menuCommand(menu::kSoundLeft);
    EXPECT_EQ(fake.slots[51], u"LeftTone");
    EXPECT_EQ(control.channel, kLeftChannel);
    EXPECT_TRUE(session.menuItemChecked(menu::kSoundLeft));
    EXPECT_FALSE(session.menuItemChecked(menu::kSoundRight));
    EXPECT_EQ(fake.opened.size(), 1u);
    EXPECT_EQ(fake.starts, 1);
    EXPECT_EQ(fake.stops, 0);
}

TEST_F(CaptureSessionTest, FailuresAreReportedAndRetriedWithTheOpenDeviceKept) {
    fake.openSucceeds = false;
    session.menuCommand(menu::kSoundLeft);
    EXPECT_EQ(fake.errors, kDeviceError);
    EXPECT_FALSE(session.captureOpen());
    EXPECT_EQ(fake.starts, 0);

    fake.openSucceeds = true;
    fake.startSucceeds = false;
    fake.errors.clear();
    session.menuCommand(menu::kSoundLeft);
    EXPECT_EQ(fake.errors, kDeviceError);
    EXPECT_FALSE(session.captureRunning());

    fake.startSucceeds = true;
    session.menuCommand(menu::kSoundLeft);
    EXPECT_TRUE(session.captureRunning());
    EXPECT_EQ(fake.opened.size(), 2u);
}

TEST_F(CaptureSessionTest, ThePickedDeviceIsStoredAndOpenedByItsIdentifier) {
    pick(3);
    pick(0);  // the first entry, or none, means the default device
    EXPECT_FALSE(session.soundDeviceChosen());
    EXPECT_EQ(fake.slots[39], u"");
    pick(-1);
    EXPECT_FALSE(session.soundDeviceChosen());
    pick(2);
    EXPECT_EQ(session.soundDeviceName(), u"Line In 2");
    EXPECT_EQ(fake.slots[39], u"Line In 2");
    session.menuCommand(menu::kSoundRight);
    EXPECT_EQ(fake.opened.at(0), std::optional(deviceId(2)));
}

TEST_F(CaptureSessionTest, ADocumentSelectsItsDeviceByExactTextThenSetsUpAndStarts) {
    EXPECT_FALSE(session.selectSoundDevice(u"line in 2"));
    EXPECT_FALSE(session.selectSoundDevice(u"Line In"));
    EXPECT_TRUE(session.selectSoundDevice(u"Line In 2"));
    EXPECT_EQ(fake.selected, 2);
    EXPECT_EQ(session.setUp(kLeftChannel), 1);
    EXPECT_EQ(session.channel(), kLeftChannel);
    EXPECT_EQ(fake.opened, std::vector<std::optional<CaptureDeviceId>>{deviceId(2)});
    EXPECT_FALSE(session.captureRunning());
    receive.upperScale = false;
    session.start();
    EXPECT_TRUE(session.captureRunning());
    EXPECT_EQ(fake.shownScale, std::optional(false));
    EXPECT_TRUE(fake.slots.empty());
}

TEST_F(CaptureSessionTest, InputVolumeTriesBothMixersThenTellsTheOperator) {
    fake.workingProgram = u"Sndvol.exe";
    EXPECT_TRUE(session.menuCommand(menu::kInputVolume));
    EXPECT_EQ(fake.programsTried, (std::vector<Text>{u"Sndvol32.exe /r", u"Sndvol.exe /r"}));
    EXPECT_TRUE(fake.messages.empty());
    fake.workingProgram.clear();
    session.openVolumeMixer();
    EXPECT_EQ(fake.messages, std::vector<Text>{u"Can't open SoundSystem."});
    EXPECT_TRUE(fake.errors.empty());
    EXPECT_FALSE(session.menuCommand(32774));
}

TEST_F(CaptureSessionTest, ShutdownRaisesTheStopFlagAndStopsAnOpenCapture) {
    session.stopCapture();  // nothing open
    EXPECT_EQ(fake.stops, 0);
    EXPECT_TRUE(control.captureStopFlag);
    EXPECT_FALSE(receive.rxEnabled);

    CaptureControl runningControl;
    ReceiveSettings runningReceive;
    CaptureSession running{{fake, runningControl, runningReceive, fake, fake, fake, fake}};
    running.menuCommand(menu::kSoundRight);
    running.raiseStopFlag();
    EXPECT_TRUE(runningControl.captureStopFlag);
    EXPECT_FALSE(runningReceive.rxEnabled);
    EXPECT_EQ(fake.stops, 0);
    running.stopCapture();
    EXPECT_EQ(fake.stops, 1);
    EXPECT_FALSE(running.captureRunning());
}

}  // namespace
}  // namespace qs::rx
