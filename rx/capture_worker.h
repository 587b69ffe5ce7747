#pragma once
// The capture thread: wakes at the end of each buffer half, takes the half
// that the device is not writing, keeps the chosen channel and runs the
// receive chain on it. While receive processing is off (sending, a dialog
// open) the halves are discarded but the thread keeps waking. No half is
// queued: when processing is late, the thread continues with the half that
// is free when it wakes.

#include <cstdint>

#include "rx/capture_control.h"
#include "rx/receive_chain.h"
#include "rx/receive_settings.h"

namespace qs::rx {

// The looping capture buffer and its notification event as the capture
// thread uses them (DirectSound on Windows).
class CaptureBufferAccess {
public:
    virtual ~CaptureBufferAccess() = default;
    // Waits without time-out for a half to complete; false when the wait
    // failed.
    virtual bool waitForHalf() = 0;
    // Byte offset the device is capturing at now.
    virtual std::uint32_t capturePositionBytes() = 0;
    // Locks kCaptureHalfBytes bytes at `offsetBytes`; null when they cannot
    // be locked. Each successful lock is followed by one unlockHalf().
    virtual const std::uint8_t* lockHalf(int offsetBytes) = 0;
    virtual void unlockHalf() = 0;
};

class CaptureWorker {
public:
    struct Parts {
        CaptureBufferAccess& buffer;
        const CaptureControl& control;
        const ReceiveSettings& settings;  // rxEnabled
        ReceiveChain& chain;
    };

    explicit CaptureWorker(const Parts& parts) : parts_(parts) {}

    // The thread's body: returns once the stop flag is seen, at the latest at
    // the first wake-up after it was raised.
    void run();
    // One completed half.
    void takeFreeHalf();

private:
    Parts parts_;
};

}  // namespace qs::rx
