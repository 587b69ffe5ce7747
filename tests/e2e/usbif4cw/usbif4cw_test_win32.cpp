// A stand-in for usbif4cw.dll, the USBIF4CW interface's library, for the
// end-to-end tests. It keys nothing: every call is appended to the file
// named by QS_USBIF4CW_LOG, one line each, with the time of the call from
// the performance counter in nanoseconds:
//
//     <ns> open <argument> -> <device>
//     <ns> write <device> <argument> <data>
//     <ns> close <device>
//
// Built twice, with the stdcall and the cdecl convention (QS_USBIF4CW_CALL),
// as the real library's convention is not documented.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#ifndef QS_USBIF4CW_CALL
#define QS_USBIF4CW_CALL __stdcall
#endif

namespace {

constexpr int kDeviceNumber = 1;

FILE* logFile() {
    static FILE* file = [] {
        const char* path = std::getenv("QS_USBIF4CW_LOG");
        return path && *path ? std::fopen(path, "a") : nullptr;
    }();
    return file;
}

long long nowNs() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    const long long perSecond = frequency.QuadPart > 0 ? frequency.QuadPart : 1;
    return counter.QuadPart / perSecond * 1000000000LL +
           counter.QuadPart % perSecond * 1000000000LL / perSecond;
}

void logLine(const char* format, int a, int b = 0, int c = 0) {
    const long long at = nowNs();
    FILE* file = logFile();
    if (!file) return;
    std::fputs((std::to_string(at) + " ").c_str(), file);
    std::fprintf(file, format, a, b, c);
    std::fputc('\n', file);
    std::fflush(file);
}

}  // namespace

extern "C" {

__declspec(dllexport) int QS_USBIF4CW_CALL usbif4cwOpen(int argument) {
    logLine("open %d -> %d", argument, kDeviceNumber);
    return kDeviceNumber;
}

__declspec(dllexport) void QS_USBIF4CW_CALL usbif4cwClose(int device) {
    logLine("close %d", device);
}

__declspec(dllexport) void QS_USBIF4CW_CALL usbif4cwWriteData(int device, int argument, int data) {
    logLine("write %d %d %d", device, argument, data);
}

}  // extern "C"
