#include "tests/e2e/driver/target_window_win32.h"

#include <cstdio>
#include <cwchar>
#include <vector>

namespace qs::e2e {

namespace {

constexpr int kReceiveWindowId = 1036;

struct ControlSearch {
    int controlId;
    HWND found;
};

BOOL CALLBACK matchControlId(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ControlSearch*>(context);
    if (GetDlgCtrlID(window) != search->controlId) return TRUE;
    search->found = window;
    return FALSE;
}

std::wstring withUnixLineEnds(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r') {
            out += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != L'\n') {
            out += L'\n';
        }
    }
    return out;
}

}  // namespace

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), bytes, nullptr, nullptr);
    return out;
}

void printLine(const std::wstring& text) {
    const std::string bytes = toUtf8(withUnixLineEnds(text)) + "\n";
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

bool fail(const std::wstring& why) {
    const std::string bytes = "qs_driver: " + toUtf8(why) + "\n";
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    return false;
}

bool parseInt(const std::wstring& text, int& value) {
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    const long parsed = std::wcstol(text.c_str(), &end, 10);
    if (*end != L'\0') return false;
    value = static_cast<int>(parsed);
    return true;
}

bool waitUntil(int timeoutMs, const std::function<bool()>& done) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollIntervalMs);
    }
}

bool sendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    DWORD_PTR answer = 0;
    const LRESULT ok = SendMessageTimeoutW(
        window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, kMessageTimeoutMs, &answer);
    if (result) *result = static_cast<LRESULT>(answer);
    return ok != 0;
}

HWND findMainWindow(const std::wstring& className) {
    HWND window = FindWindowW(className.c_str(), nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND findControl(HWND root, int controlId) {
    ControlSearch search{controlId, nullptr};
    EnumChildWindows(root, matchControlId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findForm(HWND mainWindow) {
    HWND receiveWindow = findControl(mainWindow, kReceiveWindowId);
    return receiveWindow ? GetParent(receiveWindow) : mainWindow;
}

std::wstring windowText(HWND window) {
    LRESULT length = 0;
    if (!sendBounded(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0) return {};
    // Rich edits may count a paragraph end as one character yet copy it as CR LF.
    std::vector<wchar_t> buffer(static_cast<size_t>(length) * 2 + 1, L'\0');
    LRESULT copied = 0;
    sendBounded(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                &copied);
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

}  // namespace qs::e2e
