#pragma once
// The operating system's side of the keying port: a serial device of which
// only the RTS and DTR outputs are used, and the USBIF4CW interface's own
// library, loaded at run time. The Windows implementations wrap CreateFileW,
// EscapeCommFunction and CloseHandle, and LoadLibraryW, GetProcAddress and
// FreeLibrary.

#include "common/text.h"

namespace qs::tx {

enum class SerialLineFunction { SetRts, ClearRts, SetDtr, ClearDtr };

// One serial device. A line call may coincide with an open or close made on
// another thread; it must then fail harmlessly.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;
    // Opens an existing device for reading and writing, not shared; no serial
    // parameters are set. False when it cannot be opened.
    virtual bool open(TextView deviceName) = 0;
    virtual void escape(SerialLineFunction function) = 0;
    virtual void close() = 0;
};

// The names under which the library exports its three entry points.
struct UsbKeyerEntryPoints {
    const char* open;       // int (int argument): device number, negative on failure
    const char* close;      // void (int device)
    const char* writeData;  // void (int device, int argument, int data)
};

// usbif4cw.dll and its entry points.
class UsbKeyerLibrary {
public:
    virtual ~UsbKeyerLibrary() = default;
    virtual bool load(TextView libraryName) = 0;
    // Looks the entry points up in the loaded library; false if one is missing.
    virtual bool findEntryPoints(const UsbKeyerEntryPoints& names) = 0;
    virtual int open(int argument) = 0;
    virtual void close(int device) = 0;
    virtual void writeData(int device, int argument, int data) = 0;
    virtual void free() = 0;
};

}  // namespace qs::tx
