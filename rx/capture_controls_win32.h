#pragma once
// The capture session's view on Windows: the sound device combo box (1035)
// by its messages, message boxes and the shell. Both may be made before
// their windows exist and attached to them afterwards.

#include <windows.h>

#include "rx/capture_view.h"

namespace qs::rx {

class SoundDeviceComboBox : public SoundDeviceCombo {
public:
    explicit SoundDeviceComboBox(HWND combo = nullptr) : combo_(combo) {}
    void attach(HWND combo) { combo_ = combo; }

    void addEntry(TextView description, const CaptureDeviceId* device) override;
    int selectedEntry() const override;
    Text entryText(int entry) const override;
    const CaptureDeviceId* entryDevice(int entry) const override;
    void selectEntry(int entry) override;
    int entryCount() const override;

private:
    HWND combo_;
};

class WindowsCaptureDesktop : public CaptureDesktop {
public:
    // `owner` owns the message boxes and the started programs.
    WindowsCaptureDesktop(HWND owner, TextView messageCaption)
        : owner_(owner), caption_(messageCaption) {}
    void attach(HWND owner) { owner_ = owner; }

    void showError(TextView text) override;
    void showMessage(TextView text) override;
    bool openProgram(TextView program, TextView parameters) override;

private:
    HWND owner_;
    Text caption_;
};

}  // namespace qs::rx
