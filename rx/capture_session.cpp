#include "rx/capture_session.h"

namespace qs::rx {

namespace {

constexpr char16_t kDeviceError[] = u"Sound Device Error!!!\r\nPls check Mike/Line/USB.";
constexpr char16_t kNoVolumeMixer[] = u"Can't open SoundSystem.";

}  // namespace

CaptureSession::CaptureSession(const Parts& parts) : parts_(parts) {}

void CaptureSession::enumerateDevices() {
    parts_.backend.enumerateDevices(*this);
    parts_.devices.selectEntry(0);
}

// Entries are appended in enumeration order, each with the address of its
// stored identifier.
void CaptureSession::onCaptureDevice(const CaptureDeviceId* id, TextView description) {
    const CaptureDeviceList::Admission admission = deviceIds_.admit(id);
    if (admission.listed) parts_.devices.addEntry(description, admission.storedId);
}

const CaptureDeviceId* CaptureSession::chosenDevice() const {
    if (!soundDeviceChosen_) return nullptr;
    return parts_.devices.entryDevice(parts_.devices.selectedEntry());
}

// An open device stays open: it is released only at shutdown.
int CaptureSession::openCapture() {
    if (captureOpen_) return 1;
    if (!parts_.backend.open(chosenDevice())) {
        parts_.desktop.showError(kDeviceError);
        return 0;
    }
    captureOpen_ = true;
    return 1;
}

int CaptureSession::setUp(int channel) {
    parts_.control.channel = channel;
    return openCapture();
}

void CaptureSession::start() {
    if (captureRunning_ || !captureOpen_) return;
    if (!parts_.backend.start({parts_.control, parts_.receive, parts_.chain})) {
        parts_.desktop.showError(kDeviceError);
        return;
    }
    parts_.form.showScale(parts_.receive.upperScale);
    captureRunning_ = true;
}

bool CaptureSession::selectSoundDevice(TextView name) {
    const int count = parts_.devices.entryCount();
    for (int entry = 0; entry < count; ++entry) {
        if (parts_.devices.entryText(entry) != name) continue;
        parts_.devices.selectEntry(entry);
        soundDeviceChosen_ = true;
        return true;
    }
    return false;
}

bool CaptureSession::menuCommand(int commandId) {
    switch (commandId) {
        case menu::kSoundRight: chooseChannel(kRightChannel); return true;
        case menu::kSoundLeft: chooseChannel(kLeftChannel); return true;
        case menu::kInputVolume: openVolumeMixer(); return true;
        default: return false;
    }
}

bool CaptureSession::menuItemChecked(int commandId) const {
    if (commandId == menu::kSoundRight) return channel() == kRightChannel;
    if (commandId == menu::kSoundLeft) return channel() == kLeftChannel;
    return false;
}

void CaptureSession::chooseChannel(int channel) {
    parts_.control.channel = channel;
    parts_.slots.setSlot(kAudioChannelSlot, channel == kRightChannel ? u"RightTone" : u"LeftTone");
    if (!captureRunning_ && openCapture() == 1) start();
}

void CaptureSession::openVolumeMixer() {
    if (parts_.desktop.openProgram(u"Sndvol32.exe", u"/r")) return;
    if (parts_.desktop.openProgram(u"Sndvol.exe", u"/r")) return;
    parts_.desktop.showMessage(kNoVolumeMixer);
}

// Only the stored choice changes; a running capture keeps its device until
// the program is started again. No selection counts as entry 0, the default
// device.
void CaptureSession::onDeviceSelectionChanged() {
    const int entry = parts_.devices.selectedEntry();
    soundDeviceChosen_ = entry > 0;
    soundDeviceName_ = soundDeviceChosen_ ? parts_.devices.entryText(entry) : Text();
    parts_.slots.setSlot(kSoundDeviceSlot, soundDeviceName_);
}

void CaptureSession::raiseStopFlag() {
    parts_.receive.rxEnabled = false;
    parts_.control.captureStopFlag = true;
}

void CaptureSession::stopCapture() {
    raiseStopFlag();
    if (!captureOpen_) return;
    parts_.backend.stop();
    captureOpen_ = false;
    captureRunning_ = false;
}

}  // namespace qs::rx
