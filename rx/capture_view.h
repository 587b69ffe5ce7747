#pragma once
// What the capture session reaches of the main view: the sound device combo
// box (1035), message boxes and the shell. All calls are made on the
// user-interface thread.

#include "common/text.h"
#include "rx/capture_backend.h"

namespace qs::rx {

// The sound device combo box: an unsorted list whose entries each hold a
// device identifier (null for the default device) as item data.
class SoundDeviceCombo {
public:
    virtual ~SoundDeviceCombo() = default;
    // Appends an entry.
    virtual void addEntry(TextView description, const CaptureDeviceId* device) = 0;
    // -1 while no entry is selected.
    virtual int selectedEntry() const = 0;
    virtual Text entryText(int entry) const = 0;
    // Null for the default device and for an entry that does not exist.
    virtual const CaptureDeviceId* entryDevice(int entry) const = 0;
    // Selects an entry without a change notification.
    virtual void selectEntry(int entry) = 0;
    virtual int entryCount() const = 0;
};

class CaptureDesktop {
public:
    virtual ~CaptureDesktop() = default;
    // A message box with the error icon and an OK button.
    virtual void showError(TextView text) = 0;
    // A plain message box with an OK button.
    virtual void showMessage(TextView text) = 0;
    // Opens a program through the shell ("open", shown normally, the view as
    // owner); false when it could not be started.
    virtual bool openProgram(TextView program, TextView parameters) = 0;
};

}  // namespace qs::rx
