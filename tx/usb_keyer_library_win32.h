#pragma once
// usbif4cw.dll, the USBIF4CW interface's own library, loaded at run time:
// from the program's folder first, then along the system's search path.
//
// The library's calling convention is not documented. On 32-bit Windows
// every call goes through a small thunk that keeps the stack pointer in a
// register across the call and restores it afterwards, so a stdcall
// library (which pops its arguments) and a cdecl one (which leaves them)
// both work. x86_64 has one convention only.

#include <windows.h>

#include "tx/keying_devices.h"

namespace qs::tx {

class WindowsUsbKeyerLibrary : public UsbKeyerLibrary {
public:
    WindowsUsbKeyerLibrary() = default;
    ~WindowsUsbKeyerLibrary() override;
    WindowsUsbKeyerLibrary(const WindowsUsbKeyerLibrary&) = delete;
    WindowsUsbKeyerLibrary& operator=(const WindowsUsbKeyerLibrary&) = delete;

    bool load(TextView libraryName) override;
    bool findEntryPoints(const UsbKeyerEntryPoints& names) override;
    int open(int argument) override;
    void close(int device) override;
    void writeData(int device, int argument, int data) override;
    void free() override;

private:
    HMODULE module_ = nullptr;
    FARPROC open_ = nullptr;
    FARPROC close_ = nullptr;
    FARPROC writeData_ = nullptr;
};

// Calls `function` with `count` int arguments (at most 3) whatever its
// convention; returns what it returns in the integer register.
int callWithAnyConvention(FARPROC function, const int* arguments, int count);

}  // namespace qs::tx
