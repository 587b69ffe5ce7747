#pragma once
// DirectSound capture for the receive path: the capture device as a looping
// buffer of 8192 bytes, 16-bit stereo at 11025 frames per second, that
// signals one auto-reset event at the last byte of each half, and the
// capture thread that waits on it and runs the receive chain. dsound.dll is
// linked normally (dsound, dxguid).

#include <windows.h>
#include <dsound.h>

#include <optional>

#include "rx/capture_backend.h"
#include "rx/scoped_handles_win32.h"

namespace qs::rx {

class DirectSoundCapture : public CaptureBackend {
public:
    DirectSoundCapture();
    // Raises the stop flag and stops what is still running.
    ~DirectSoundCapture() override;
    DirectSoundCapture(const DirectSoundCapture&) = delete;
    DirectSoundCapture& operator=(const DirectSoundCapture&) = delete;

    void enumerateDevices(CaptureDeviceSink& sink) override;
    bool open(const CaptureDeviceId* device) override;
    bool start(const CaptureTarget& target) override;
    void stop() override;

private:
    static unsigned __stdcall workerEntry(void* self);
    bool createBuffer();
    bool setNotifications();
    void release();

    std::optional<CaptureTarget> target_;  // while the capture thread runs
    UniqueHandle captureEvent_;            // auto-reset, initially not signalled
    bool comInitialized_ = false;
    ComRef<IDirectSoundCapture> device_;
    ComRef<IDirectSoundCaptureBuffer> buffer_;
    UniqueHandle worker_;
};

}  // namespace qs::rx
