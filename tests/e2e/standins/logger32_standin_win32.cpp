// logger32_standin.exe: a stand-in for Logger32 in the end-to-end tests. Its
// main window is titled "Logger32". It plays the handshake on the registered
// messages "Logger32 1" to "Logger32 5": a connection request (wParam 1,
// lParam the requester) is accepted (wParam 0, lParam non-zero) or rejected
// (lParam 0) when its name is in --reject; the acknowledgement (wParam 2)
// is answered with wParam 3 and the window that takes the records. That
// window is an ANSI window: WM_SETTEXT reaches it as the bytes that were
// sent. Every message is logged, one line each:
//   request Logger32 1 | ack Logger32 1 | message Logger32 1 W L | record BYTES
//
// logger32_standin.exe --log FILE [--reject 1,2,3,4,5] [--never]
//     [--garbage] [--close-on-record]
//   --never: no answer to requests; --garbage: before each answer, a
//   message with wParam 7 and one with wParam 3 and lParam 0;
//   --close-on-record: exits while taking the first record.

#include <windows.h>

#include <string>

#include "tests/e2e/standins/standin_log_win32.h"

namespace {

constexpr int kNameCount = 5;

struct Options {
    const wchar_t* logPath = nullptr;
    std::wstring reject;
    bool never = false;
    bool garbage = false;
    bool closeOnRecord = false;
};

Options options;
qs::standin::MessageLog messageLog;
UINT names[kNameCount + 1] = {};
HWND recordWindow = nullptr;

bool parseOptions(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring key = argv[i];
        const bool hasValue = i + 1 < argc;
        if (key == L"--log" && hasValue) options.logPath = argv[++i];
        if (key == L"--reject" && hasValue) options.reject = argv[++i];
        if (key == L"--never") options.never = true;
        if (key == L"--garbage") options.garbage = true;
        if (key == L"--close-on-record") options.closeOnRecord = true;
    }
    return options.logPath != nullptr;
}

int nameNumber(UINT message) {
    for (int number = 1; number <= kNameCount; ++number) {
        if (message != 0 && message == names[number]) return number;
    }
    return 0;
}

bool rejects(int number) {
    return options.reject.find(static_cast<wchar_t>(L'0' + number)) != std::wstring::npos;
}

void postGarbage(HWND to, UINT message) {
    if (!options.garbage) return;
    PostMessageW(to, message, 7, 1);
    PostMessageW(to, message, 3, 0);
}

// The acknowledgement carries no window: the target goes to the window that
// made the last request.
HWND lastRequester = nullptr;

void onHandshake(HWND self, int number, UINT message, WPARAM w, LPARAM l) {
    const std::string name = "Logger32 " + std::to_string(number);
    if (w == 1) {
        messageLog.line("request " + name + (l != 0 ? "" : " without window"));
        lastRequester = reinterpret_cast<HWND>(l);
        if (options.never || !IsWindow(lastRequester)) return;
        postGarbage(lastRequester, message);
        const LPARAM accepted = rejects(number) ? 0 : reinterpret_cast<LPARAM>(self);
        PostMessageW(lastRequester, message, 0, accepted);
    } else if (w == 2) {
        messageLog.line("ack " + name);
        if (!IsWindow(lastRequester)) return;
        postGarbage(lastRequester, message);
        PostMessageW(lastRequester, message, 3, reinterpret_cast<LPARAM>(recordWindow));
    } else {
        messageLog.line("message " + name + " " + std::to_string(w) + " " + std::to_string(l));
    }
}

LRESULT CALLBACK mainProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (const int number = nameNumber(message)) {
        onHandshake(window, number, message, w, l);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

LRESULT CALLBACK recordProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_SETTEXT) {
        const char* text = reinterpret_cast<const char*>(l);
        messageLog.line("record " + qs::standin::shownBytes(text ? text : ""));
        if (options.closeOnRecord) ExitProcess(0);
        return TRUE;
    }
    return DefWindowProcA(window, message, w, l);
}

bool createWindows(HINSTANCE instance) {
    WNDCLASSW mainClass{};
    mainClass.lpfnWndProc = mainProc;
    mainClass.hInstance = instance;
    mainClass.lpszClassName = L"Logger32StandIn";
    WNDCLASSA recordClass{};
    recordClass.lpfnWndProc = recordProc;
    recordClass.hInstance = instance;
    recordClass.lpszClassName = "Logger32StandInRecords";
    if (!RegisterClassW(&mainClass) || !RegisterClassA(&recordClass)) return false;
    HWND main = CreateWindowW(L"Logger32StandIn", L"Logger32", WS_OVERLAPPEDWINDOW, 0, 200, 320,
                              120, nullptr, nullptr, instance, nullptr);
    recordWindow = CreateWindowA("Logger32StandInRecords", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, instance, nullptr);
    if (main == nullptr || recordWindow == nullptr) return false;
    ShowWindow(main, SW_SHOWNOACTIVATE);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (!parseOptions(argc, argv) || !messageLog.open(options.logPath)) return 2;
    for (int number = 1; number <= kNameCount; ++number) {
        const std::wstring name = L"Logger32 " + std::to_wstring(number);
        names[number] = RegisterWindowMessageW(name.c_str());
    }
    if (!createWindows(GetModuleHandleW(nullptr))) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
