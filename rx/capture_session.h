#pragma once
// The audio capture as the operator and the settings see it: the device
// list in the sound device combo box, the Sound Right, Sound Left and Input
// Vol menu commands, and the capture's life: not opened, open, running, and
// stopped at shutdown. A running capture is never reopened: neither another
// device nor another document switches it; only the channel changes, from
// the next block on. Runs on the user-interface thread.

#include <atomic>

#include "common/text.h"
#include "rx/capture_backend.h"
#include "rx/capture_control.h"
#include "rx/capture_device_list.h"
#include "rx/capture_view.h"
#include "rx/receive_form.h"
#include "rx/receive_settings.h"
#include "settings/settings_slots.h"
#include "settings/settings_view.h"

namespace qs::rx {

// Menu "Sound".
namespace menu {
inline constexpr int kSoundRight = 32771;
inline constexpr int kSoundLeft = 32772;
inline constexpr int kInputVolume = 32773;
}  // namespace menu

inline constexpr int kSoundDeviceSlot = 39;   // device description; empty: the default device
inline constexpr int kAudioChannelSlot = 51;  // "RightTone", "LeftTone"

class CaptureSession : public settings::AudioCapture,
                       public settings::SoundDeviceList,
                       private CaptureDeviceSink {
public:
    struct Parts {
        CaptureBackend& backend;
        CaptureControl& control;
        ReceiveSettings& receive;  // rxEnabled, upperScale
        ReceiveChain& chain;       // what the capture thread feeds
        SoundDeviceCombo& devices;
        ReceiveForm& form;  // the frequency scale labels
        CaptureDesktop& desktop;
        SettingsSlots& slots;
    };

    explicit CaptureSession(const Parts& parts);

    // At start-up: lists the devices in the combo box and selects entry 0.
    void enumerateDevices();

    // Sets up the chosen device (the default one unless a device was
    // chosen); 1 on success. A failure is reported to the operator.
    int openCapture();

    // settings::AudioCapture
    int channel() const override { return parts_.control.channel; }
    bool captureRunning() const override { return captureRunning_; }
    int setUp(int channel) override;
    bool deviceOpened() const override { return captureOpen_; }
    void start() override;

    // settings::SoundDeviceList
    bool soundDeviceChosen() const override { return soundDeviceChosen_; }
    bool selectSoundDevice(TextView name) override;

    // Runs a Sound menu command; false when the id is not one of them.
    bool menuCommand(int commandId);
    bool menuItemChecked(int commandId) const;
    // Sound Right or Sound Left: the channel, and the capture if not running.
    void chooseChannel(int channel);
    // Input Vol: the system's volume mixer.
    void openVolumeMixer();
    // The operator picked another entry in the combo box.
    void onDeviceSelectionChanged();

    // Shutdown, first step: receive processing off and the stop flag raised.
    void raiseStopFlag();
    // Shutdown, later step: waits for the capture thread and releases the
    // device. Raises the stop flag itself if that has not been done.
    void stopCapture();

    const Text& soundDeviceName() const { return soundDeviceName_; }
    bool captureOpen() const { return captureOpen_; }

private:
    void onCaptureDevice(const CaptureDeviceId* id, TextView description) override;
    const CaptureDeviceId* chosenDevice() const;

    Parts parts_;
    CaptureDeviceList deviceIds_;
    Text soundDeviceName_;
    bool soundDeviceChosen_ = false;
    bool captureOpen_ = false;
    // Also read by the keying engine's timer thread.
    std::atomic<bool> captureRunning_{false};
};

}  // namespace qs::rx
