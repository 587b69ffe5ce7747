#include "tx/serial_device_win32.h"

#include "common/text.h"

namespace qs::tx {

namespace {

DWORD escapeCode(SerialLineFunction function) {
    switch (function) {
        case SerialLineFunction::SetRts:
            return SETRTS;
        case SerialLineFunction::ClearRts:
            return CLRRTS;
        case SerialLineFunction::SetDtr:
            return SETDTR;
        case SerialLineFunction::ClearDtr:
            return CLRDTR;
    }
    return CLRRTS;
}

}  // namespace

WindowsSerialDevice::~WindowsSerialDevice() {
    close();
}

// Read and write access, not shared, an existing device; no serial
// parameters are set.
bool WindowsSerialDevice::open(TextView deviceName) {
    close();
    const std::wstring name(deviceName.begin(), deviceName.end());
    handle_ = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle_ != INVALID_HANDLE_VALUE;
}

void WindowsSerialDevice::escape(SerialLineFunction function) {
    if (handle_ != INVALID_HANDLE_VALUE) EscapeCommFunction(handle_, escapeCode(function));
}

void WindowsSerialDevice::close() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace qs::tx
