#pragma once
// A COM port as the keying port uses it: opened only to drive RTS and DTR.

#include <windows.h>

#include "tx/keying_devices.h"

namespace qs::tx {

class WindowsSerialDevice : public SerialDevice {
public:
    WindowsSerialDevice() = default;
    ~WindowsSerialDevice() override;
    WindowsSerialDevice(const WindowsSerialDevice&) = delete;
    WindowsSerialDevice& operator=(const WindowsSerialDevice&) = delete;

    bool open(TextView deviceName) override;
    void escape(SerialLineFunction function) override;
    void close() override;

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace qs::tx
