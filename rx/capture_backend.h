#pragma once
// The platform's capture service as the capture session needs it: list the
// capture devices, open one as a looping 16-bit stereo buffer at 11025
// frames per second with a notification per half, run the capture thread
// over it, and stop. DirectSound implements it on Windows.

#include <array>
#include <cstdint>

#include "common/text.h"
#include "rx/capture_control.h"
#include "rx/receive_chain.h"
#include "rx/receive_settings.h"

namespace qs::rx {

// A capture device's identifier (a GUID on Windows), as 16 raw bytes.
using CaptureDeviceId = std::array<std::uint8_t, 16>;

class CaptureDeviceSink {
public:
    virtual ~CaptureDeviceSink() = default;
    // One enumerated device; `id` is null for the system's default device.
    virtual void onCaptureDevice(const CaptureDeviceId* id, TextView description) = 0;
};

// What the capture thread works on. All three outlive the running capture.
struct CaptureTarget {
    CaptureControl& control;          // channel and stop flag
    const ReceiveSettings& settings;  // rxEnabled
    ReceiveChain& chain;
};

class CaptureBackend {
public:
    virtual ~CaptureBackend() = default;
    // Reports every capture device to `sink`, in the system's order.
    virtual void enumerateDevices(CaptureDeviceSink& sink) = 0;
    // Creates the device (null: the default device) and its buffer. False,
    // with nothing left open, when either fails; the caller tells the
    // operator.
    virtual bool open(const CaptureDeviceId* device) = 0;
    // Starts the buffer looping and the capture thread over `target`; false
    // when the thread could not be started (the buffer is then stopped again).
    virtual bool start(const CaptureTarget& target) = 0;
    // After the stop flag was raised: waits for the capture thread, stops
    // the buffer and releases the device. Does nothing when nothing is open.
    virtual void stop() = 0;
};

}  // namespace qs::rx
