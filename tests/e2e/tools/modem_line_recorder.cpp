// Modem lines for a pseudo-terminal, for the serial keying tests. Loaded with
// LD_PRELOAD into Wine's loader of the program under test, it answers the
// modem-line ioctls (which Linux refuses on a pty) from a line state of its
// own, as a real port would, and appends one line per change of RTS or DTR
// to the file named by QS_MODEM_LINE_LOG:
//
//     <CLOCK_MONOTONIC ns> SET|CLR RTS|DTR
//
// The lines start on, as a real port's may after opening, so that the
// program's first clearing shows. Every other request goes to the real ioctl.
//
// Build: g++ -shared -fPIC -O2 -o modem_line_recorder.so modem_line_recorder.cpp -ldl

#include <dlfcn.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

std::mutex lineMutex;
int lineState = TIOCM_RTS | TIOCM_DTR;

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

void logChanges(int before, int after) {
    const char* path = std::getenv("QS_MODEM_LINE_LOG");
    if (!path || !*path) return;
    FILE* file = std::fopen(path, "a");
    if (!file) return;
    const long long at = monotonicNs();
    const struct {
        int bit;
        const char* name;
    } lines[] = {{TIOCM_RTS, "RTS"}, {TIOCM_DTR, "DTR"}};
    for (const auto& line : lines) {
        if ((before ^ after) & line.bit) {
            std::fprintf(file, "%lld %s %s\n", at, (after & line.bit) ? "SET" : "CLR", line.name);
        }
    }
    std::fclose(file);
}

void setLines(int state) {
    const int before = lineState;
    lineState = state & (TIOCM_RTS | TIOCM_DTR);
    logChanges(before, lineState);
}

using IoctlFunction = int (*)(int, unsigned long, void*);

}  // namespace

extern "C" int ioctl(int fd, unsigned long request, ...) {
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    if (request == TIOCMGET || request == TIOCMSET || request == TIOCMBIS ||
        request == TIOCMBIC) {
        std::lock_guard<std::mutex> lock(lineMutex);
        int* bits = static_cast<int*>(argument);
        if (request == TIOCMGET) {
            *bits = lineState | TIOCM_CTS | TIOCM_DSR | TIOCM_CD;
        } else if (request == TIOCMSET) {
            setLines(*bits);
        } else if (request == TIOCMBIS) {
            setLines(lineState | *bits);
        } else {
            setLines(lineState & ~*bits);
        }
        return 0;
    }
    static const IoctlFunction realIoctl =
        reinterpret_cast<IoctlFunction>(dlsym(RTLD_NEXT, "ioctl"));
    return realIoctl(fd, request, argument);
}
