// hamlog_standin.exe: a stand-in for HamLog in the end-to-end tests. Its
// main window has the class "TThwin"; it takes WM_COPYDATA requests, logs
// each one ("CODE CBDATA BYTES", "-" for a null lpData) and answers 101,
// 103, 108, 111 and 112 at once with a WM_COPYDATA to the window named in
// wParam: the call-sign field (written by request 1), the time, code, name
// or QTH field, in ANSI with a NUL.
//
// hamlog_standin.exe --log FILE [--call C] [--name N] [--qth Q] [--code K]
//     [--time T] [--answers normal|never|nonul|oversized|invalid]
//     [--hang-on CODE] [--close-on CODE]
//   never: no answers; nonul: answers without their NUL; oversized: 4096
//   bytes of "X"; invalid: bytes that are not valid in code page 932.
//   --hang-on: sleeps 60 s while handling that request; --close-on: exits
//   while handling it, before returning.

#include <windows.h>

#include <cwchar>
#include <string>

#include "tests/e2e/standins/standin_log_win32.h"

namespace {

struct Options {
    const wchar_t* logPath = nullptr;
    std::string callField, nameField = "TARO", qthField = "100110", codeField = "1001";
    std::string timeField = "09:05J";
    std::wstring answers = L"normal";
    long hangOn = -1;
    long closeOn = -1;
};

Options options;
qs::standin::MessageLog messageLog;

std::string narrow(const wchar_t* text) {
    std::string bytes;
    for (; *text; ++text) bytes.push_back(static_cast<char>(*text));
    return bytes;
}

bool parseOptions(int argc, wchar_t** argv) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring key = argv[i];
        const wchar_t* value = argv[i + 1];
        if (key == L"--log") options.logPath = value;
        if (key == L"--call") options.callField = narrow(value);
        if (key == L"--name") options.nameField = narrow(value);
        if (key == L"--qth") options.qthField = narrow(value);
        if (key == L"--code") options.codeField = narrow(value);
        if (key == L"--time") options.timeField = narrow(value);
        if (key == L"--answers") options.answers = value;
        if (key == L"--hang-on") options.hangOn = std::wcstol(value, nullptr, 10);
        if (key == L"--close-on") options.closeOn = std::wcstol(value, nullptr, 10);
    }
    return options.logPath != nullptr;
}

const std::string* answeredField(ULONG_PTR code) {
    switch (code) {
        case 101:
            return &options.callField;
        case 103:
            return &options.timeField;
        case 108:
            return &options.codeField;
        case 111:
            return &options.nameField;
        case 112:
            return &options.qthField;
        default:
            return nullptr;
    }
}

std::string answerPayload(const std::string& field) {
    if (options.answers == L"nonul") return field;
    if (options.answers == L"oversized") return std::string(4096, 'X');
    if (options.answers == L"invalid") return std::string("\x81\xFF\x82\x00", 4);
    return field + '\0';
}

void answer(HWND self, HWND requester, ULONG_PTR code) {
    const std::string* field = answeredField(code);
    if (field == nullptr || options.answers == L"never" || !IsWindow(requester)) return;
    std::string payload = answerPayload(*field);
    COPYDATASTRUCT data{};
    data.dwData = code;
    data.cbData = static_cast<DWORD>(payload.size());
    data.lpData = payload.data();
    SendMessageW(requester, WM_COPYDATA, reinterpret_cast<WPARAM>(self),
                 reinterpret_cast<LPARAM>(&data));
}

LRESULT onCopyData(HWND self, HWND requester, const COPYDATASTRUCT& data) {
    const std::string bytes =
        data.lpData ? std::string(static_cast<const char*>(data.lpData), data.cbData) : "";
    messageLog.line(std::to_string(data.dwData) + " " + std::to_string(data.cbData) + " " +
                    (data.lpData ? qs::standin::shownBytes(bytes) : "-"));
    const auto code = static_cast<long>(data.dwData);
    if (code == options.closeOn) ExitProcess(0);
    if (code == options.hangOn) Sleep(60000);
    if (data.dwData == 1) options.callField = bytes;
    answer(self, requester, data.dwData);
    return TRUE;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COPYDATA:
            return onCopyData(window, reinterpret_cast<HWND>(w),
                              *reinterpret_cast<const COPYDATASTRUCT*>(l));
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, w, l);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (!parseOptions(argc, argv) || !messageLog.open(options.logPath)) return 2;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TThwin";
    if (!RegisterClassW(&windowClass)) return 1;
    HWND window = CreateWindowW(L"TThwin", L"HamLog stand-in", WS_OVERLAPPEDWINDOW, 0, 0, 320, 120,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
