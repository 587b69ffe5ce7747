#include "rx/capture_session.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

#include "tests/support/recording_text_sink.h"

namespace qs::rx {
namespace {

CaptureDeviceId deviceId(int n) {
    CaptureDeviceId id{};
    id.fill(static_cast<std::uint8_t>(n));
    return id;
}

struct FakeBackend : CaptureBackend {
    void enumerateDevices(CaptureDeviceSink& sink) override {
        sink.onCaptureDevice(nullptr, u"Primary Sound Capture Driver");
        for (int n = 1; n <= deviceCount; ++n) {
            const CaptureDeviceId id = deviceId(n);
            sink.onCaptureDevice(&id, u"Line In " + decimalText(n));
        }
    }
    bool open(const CaptureDeviceId* device) override {
        openedDevices.push_back(device ? std::optional(*device) : std::nullopt);
        return openSucceeds;
    }
    bool start(const CaptureTarget& target) override {
        ++starts;
        startedChain = &target.chain;
        startedControl = &target.control;
        return startSucceeds;
    }
    void stop() override { ++stops; }

    int deviceCount = 3;
    bool openSucceeds = true;
    bool startSucceeds = true;
    std::vector<std::optional<CaptureDeviceId>> openedDevices;  // nullopt: the default device
    int starts = 0;
    int stops = 0;
    const ReceiveChain* startedChain = nullptr;
    const CaptureControl* startedControl = nullptr;
};

// A receive chain for the capture thread to feed; the fake backend never
// runs it.
struct IdleChain {
    explicit IdleChain(ReceiveSettings& receive)
        : chain(receive, {text, indicators, canvas, canvas}) {}
    test::RecordingTextSink text;
    NoIndicators indicators;
    BlindCanvas canvas{176, 96};
    ReceiveChain chain;
};

struct Entry {
    Text text;
    const CaptureDeviceId* device;
};

struct FakeView : SoundDeviceCombo, CaptureDesktop, ReceiveForm, SettingsSlots {
    void addEntry(TextView text, const CaptureDeviceId* device) override {
        entries.push_back({Text(text), device});
    }
    int selectedEntry() const override { return selected; }
    Text entryText(int entry) const override { return entries.at(entry).text; }
    const CaptureDeviceId* entryDevice(int entry) const override {
        return entry >= 0 && entry < entryCount() ? entries[entry].device : nullptr;
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

    std::vector<Entry> entries;
    int selected = -1;
    std::vector<Text> errors, messages, programsTried;
    Text workingProgram;
    std::optional<bool> shownScale;
    std::map<int, Text> slots;
};

const Text kDeviceError = u"Sound Device Error!!!\r\nPls check Mike/Line/USB.";

class CaptureSessionTest : public ::testing::Test {
protected:
    CaptureSessionTest() { session.enumerateDevices(); }

    void pick(int entry) {
        view.selected = entry;
        session.onDeviceSelectionChanged();
    }

    FakeBackend backend;
    CaptureControl control;
    ReceiveSettings receive;
    IdleChain idle{receive};
    FakeView view;
    CaptureSession session{{backend, control, receive, idle.chain, view, view, view, view}};
};

TEST_F(CaptureSessionTest, DevicesAreListedInOrderWithTheDefaultFirstAndSelected) {
    ASSERT_EQ(view.entries.size(), 4u);
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(view.entries[0].device, nullptr);
    EXPECT_EQ(view.entries[3].text, u"Line In 3");
    EXPECT_EQ(*view.entries[3].device, deviceId(3));
}

TEST(CaptureSessionDevices, OnlyTwentyDevicesWithIdentifiersAreListed) {
    FakeBackend backend;
    backend.deviceCount = 22;
    CaptureControl control;
    ReceiveSettings receive;
    IdleChain idle{receive};
    FakeView view;
    CaptureSession session{{backend, control, receive, idle.chain, view, view, view, view}};
    session.enumerateDevices();
    ASSERT_EQ(view.entries.size(), 21u);
    EXPECT_EQ(view.entries.back().text, u"Line In 20");
    EXPECT_EQ(*view.entries.back().device, deviceId(20));
}

TEST_F(CaptureSessionTest, SoundRightStartsTheDefaultDevice) {
    EXPECT_EQ(session.channel(), kNoChannel);
    EXPECT_FALSE(session.menuItemChecked(menu::kSoundRight));
    EXPECT_FALSE(session.menuItemChecked(menu::kSoundLeft));

    EXPECT_TRUE(session.menuCommand(menu::kSoundRight));
    EXPECT_EQ(view.slots[51], u"RightTone");
    EXPECT_EQ(control.channel, kRightChannel);
    ASSERT_EQ(backend.openedDevices.size(), 1u);
    EXPECT_EQ(backend.openedDevices[0], std::nullopt);
    EXPECT_EQ(backend.starts, 1);
    EXPECT_EQ(backend.startedChain, &idle.chain);
    EXPECT_EQ(backend.startedControl, &control);
    EXPECT_TRUE(session.captureRunning());
    EXPECT_EQ(view.shownScale, std::optional(true));
    EXPECT_TRUE(session.menuItemChecked(menu::kSoundRight));
    EXPECT_FALSE(session.menuItemChecked(menu::kSoundLeft));
}

TEST_F(CaptureSessionTest, WhileRunningTheMenuChangesOnlyTheChannel) {
    receive.upperScale = false;
    session.menuCommand(menu::kSoundLeft);
    EXPECT_EQ(view.shownScale, std::optional(false));
    session.menuCommand(menu::kSoundRight);
    session.menuCommand(menu::kSoundLeft);
    EXPECT_EQ(view.slots[51], u"LeftTone");
    EXPECT_EQ(control.channel, kLeftChannel);
    EXPECT_EQ(backend.openedDevices.size(), 1u);
    EXPECT_EQ(backend.starts, 1);
    EXPECT_TRUE(session.menuItemChecked(menu::kSoundLeft));
}

TEST_F(CaptureSessionTest, AFailedOpenIsReportedAndCanBeRetried) {
    backend.openSucceeds = false;
    session.menuCommand(menu::kSoundLeft);
    EXPECT_EQ(view.errors, std::vector<Text>{kDeviceError});
    EXPECT_FALSE(session.captureRunning());
    EXPECT_FALSE(session.captureOpen());
    EXPECT_EQ(backend.starts, 0);
    EXPECT_EQ(view.slots[51], u"LeftTone");

    backend.openSucceeds = true;
    session.menuCommand(menu::kSoundLeft);
    EXPECT_TRUE(session.captureRunning());
    EXPECT_EQ(backend.openedDevices.size(), 2u);
}

TEST_F(CaptureSessionTest, AThreadThatCannotStartIsReportedAndTheOpenDeviceReused) {
    backend.startSucceeds = false;
    session.menuCommand(menu::kSoundRight);
    EXPECT_EQ(view.errors, std::vector<Text>{kDeviceError});
    EXPECT_FALSE(session.captureRunning());
    backend.startSucceeds = true;
    session.menuCommand(menu::kSoundRight);
    EXPECT_TRUE(session.captureRunning());
    EXPECT_EQ(backend.openedDevices.size(), 1u);
}

TEST_F(CaptureSessionTest, ThePickedDeviceIsStoredAndOpenedByItsIdentifier) {
    pick(2);
    EXPECT_TRUE(session.soundDeviceChosen());
    EXPECT_EQ(session.soundDeviceName(), u"Line In 2");
    EXPECT_EQ(view.slots[39], u"Line In 2");
    session.menuCommand(menu::kSoundRight);
    ASSERT_EQ(backend.openedDevices.size(), 1u);
    EXPECT_EQ(backend.openedDevices[0], std::optional(deviceId(2)));
}

TEST_F(CaptureSessionTest, TheFirstEntryOrNoneMeansTheDefaultDevice) {
    pick(3);
    pick(0);
    EXPECT_FALSE(session.soundDeviceChosen());
    EXPECT_EQ(view.slots[39], u"");
    pick(-1);
    EXPECT_FALSE(session.soundDeviceChosen());
    EXPECT_EQ(view.slots[39], u"");
    session.menuCommand(menu::kSoundLeft);
    EXPECT_EQ(backend.openedDevices.at(0), std::nullopt);
}

TEST_F(CaptureSessionTest, ARunningCaptureKeepsItsDeviceWhenAnotherIsPicked) {
    session.menuCommand(menu::kSoundRight);
    pick(1);
    EXPECT_EQ(view.slots[39], u"Line In 1");
    session.menuCommand(menu::kSoundLeft);
    EXPECT_EQ(backend.openedDevices.size(), 1u);
    EXPECT_EQ(backend.stops, 0);
}

TEST_F(CaptureSessionTest, ADocumentSelectsItsDeviceByExactText) {
    EXPECT_FALSE(session.selectSoundDevice(u"line in 2"));
    EXPECT_FALSE(session.selectSoundDevice(u"Line In"));
    EXPECT_FALSE(session.soundDeviceChosen());
    EXPECT_EQ(view.selected, 0);

    EXPECT_TRUE(session.selectSoundDevice(u"Line In 2"));
    EXPECT_TRUE(session.soundDeviceChosen());
    EXPECT_EQ(view.selected, 2);
    EXPECT_TRUE(view.slots.empty());
    EXPECT_EQ(session.setUp(kRightChannel), 1);
    EXPECT_EQ(backend.openedDevices.at(0), std::optional(deviceId(2)));
}

TEST_F(CaptureSessionTest, SettingsSetUpThenStart) {
    EXPECT_EQ(session.setUp(kLeftChannel), 1);
    EXPECT_EQ(session.channel(), kLeftChannel);
    EXPECT_TRUE(session.deviceOpened());
    EXPECT_FALSE(session.captureRunning());
    EXPECT_TRUE(view.slots.empty());
    session.start();
    EXPECT_TRUE(session.captureRunning());
    EXPECT_EQ(backend.starts, 1);

    backend.openSucceeds = false;
    CaptureControl otherControl;
    CaptureSession other{{backend, otherControl, receive, idle.chain, view, view, view, view}};
    EXPECT_EQ(other.setUp(kRightChannel), 0);
    EXPECT_FALSE(other.deviceOpened());
    EXPECT_EQ(view.errors, std::vector<Text>{kDeviceError});
}

TEST_F(CaptureSessionTest, InputVolumeTriesBothMixersThenTellsTheOperator) {
    view.workingProgram = u"Sndvol.exe";
    EXPECT_TRUE(session.menuCommand(menu::kInputVolume));
    EXPECT_EQ(view.programsTried, (std::vector<Text>{u"Sndvol32.exe /r", u"Sndvol.exe /r"}));
    EXPECT_TRUE(view.messages.empty());

    view.programsTried.clear();
    view.workingProgram = u"Sndvol32.exe";
    session.openVolumeMixer();
    EXPECT_EQ(view.programsTried.size(), 1u);

    view.workingProgram.clear();
    session.openVolumeMixer();
    EXPECT_EQ(view.messages, std::vector<Text>{u"Can't open SoundSystem."});
    EXPECT_TRUE(view.errors.empty());
    EXPECT_FALSE(session.menuCommand(32774));
}

TEST_F(CaptureSessionTest, ShutdownRaisesTheStopFlagAndStopsAnOpenCapture) {
    session.stopCapture();
    EXPECT_EQ(backend.stops, 0);
    EXPECT_TRUE(control.captureStopFlag);
    EXPECT_FALSE(receive.rxEnabled);

    CaptureControl runningControl;
    ReceiveSettings runningReceive;
    IdleChain runningIdle{runningReceive};
    CaptureSession running{
        {backend, runningControl, runningReceive, runningIdle.chain, view, view, view, view}};
    running.menuCommand(menu::kSoundRight);
    running.raiseStopFlag();
    EXPECT_TRUE(runningControl.captureStopFlag);
    EXPECT_FALSE(runningReceive.rxEnabled);
    EXPECT_EQ(backend.stops, 0);
    running.stopCapture();
    EXPECT_EQ(backend.stops, 1);
    EXPECT_FALSE(running.captureRunning());
}

}  // namespace
}  // namespace qs::rx
