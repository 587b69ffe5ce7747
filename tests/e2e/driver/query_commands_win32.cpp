#include <windows.h>
// clang-format off
#include <mmsystem.h>
#include <dsound.h>
// clang-format on
#include <commctrl.h>

#include "tests/e2e/driver/driver_commands_win32.h"
#include "tests/e2e/driver/target_window_win32.h"

namespace qs::e2e {

bool intArg(const std::wstring& text, int& value) {
    if (parseInt(text, value)) return true;
    return fail(L"not a number: " + text);
}

bool controlArg(const Context& context, const std::wstring& idText, HWND& control) {
    int id = 0;
    if (!intArg(idText, id)) return false;
    control = findControl(context.main, id);
    return control ? true : fail(L"no control " + idText + L" under the main window");
}

namespace {

bool printNumber(LRESULT value) {
    printLine(std::to_wstring(value));
    return true;
}

bool printRect(const RECT& rect) {
    printLine(std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
              std::to_wstring(rect.right - rect.left) + L" " +
              std::to_wstring(rect.bottom - rect.top));
    return true;
}

std::wstring comboItem(HWND combo, LRESULT index) {
    LRESULT length = 0;
    if (!sendBounded(combo, CB_GETLBTEXTLEN, index, 0, &length) || length < 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    sendBounded(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()), nullptr);
    return buffer.data();
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
    const std::wstring shown = windowText(control).substr(0, 40);
    printLine(std::to_wstring(GetDlgCtrlID(control)) + L" " + className(control) + L" " +
              (IsWindowVisible(control) ? L"visible" : L"hidden") + L" \"" + shown + L"\"");
    return TRUE;
}

BOOL CALLBACK printCaptureDevice(LPGUID, LPCWSTR description, LPCWSTR, LPVOID) {
    printLine(description ? description : L"");
    return TRUE;
}

}  // namespace

bool text(Context& context, const Args& args) {
    HWND control = nullptr;
    if (!controlArg(context, args[0], control)) return false;
    printLine(windowText(control));
    return true;
}

bool checked(Context& context, const Args& args) {
    HWND control = nullptr;
    LRESULT state = 0;
    if (!controlArg(context, args[0], control)) return false;
    if (!sendBounded(control, BM_GETCHECK, 0, 0, &state)) return fail(L"no answer");
    return printNumber(state);
}

bool visible(Context& context, const Args& args) {
    HWND control = nullptr;
    if (!controlArg(context, args[0], control)) return false;
    return printNumber(IsWindowVisible(control) ? 1 : 0);
}

// The text shown in the combo box: its edit text, or the selected entry of a list.
bool combo(Context& context, const Args& args) {
    HWND control = nullptr;
    if (!controlArg(context, args[0], control)) return false;
    std::wstring shown = windowText(control);
    LRESULT selected = CB_ERR;
    if (shown.empty() && sendBounded(control, CB_GETCURSEL, 0, 0, &selected) &&
        selected != CB_ERR) {
        shown = comboItem(control, selected);
    }
    printLine(shown);
    return true;
}

bool comboItems(Context& context, const Args& args) {
    HWND control = nullptr;
    LRESULT count = 0;
    if (!controlArg(context, args[0], control)) return false;
    if (!sendBounded(control, CB_GETCOUNT, 0, 0, &count)) return fail(L"no answer");
    for (LRESULT i = 0; i < count; ++i) printLine(comboItem(control, i));
    return true;
}

bool trackbar(Context& context, const Args& args) {
    HWND control = nullptr;
    LRESULT position = 0;
    if (!controlArg(context, args[0], control)) return false;
    if (!sendBounded(control, TBM_GETPOS, 0, 0, &position)) return fail(L"no answer");
    return printNumber(position);
}

bool selection(Context& context, const Args& args) {
    HWND control = nullptr;
    LRESULT range = 0;
    if (!controlArg(context, args[0], control)) return false;
    if (!sendBounded(control, EM_GETSEL, 0, 0, &range)) return fail(L"no answer");
    printLine(std::to_wstring(LOWORD(range)) + L" " + std::to_wstring(HIWORD(range)));
    return true;
}

bool waitText(Context& context, const Args& args) {
    HWND control = nullptr;
    int timeoutMs = 0;
    if (!controlArg(context, args[0], control) || !intArg(args[2], timeoutMs)) return false;
    std::wstring last;
    if (waitUntil(timeoutMs, [&] {
            last = windowText(control);
            return last.find(args[1]) != std::wstring::npos;
        })) {
        return true;
    }
    printLine(last);
    return fail(L"control " + args[0] + L" never showed \"" + args[1] + L"\"");
}

bool windowRect(Context& context, const Args&) {
    RECT rect{};
    GetWindowRect(context.main, &rect);
    return printRect(rect);
}

bool controlRect(Context& context, const Args& args) {
    HWND control = nullptr;
    RECT rect{};
    if (!controlArg(context, args[0], control)) return false;
    GetWindowRect(control, &rect);
    return printRect(rect);
}

bool title(Context& context, const Args&) {
    printLine(windowText(context.main));
    return true;
}

// Every control under the main window: id, class, visibility and text.
bool controls(Context& context, const Args&) {
    EnumChildWindows(context.main, printControl, 0);
    return true;
}

bool openClipboard() {
    if (waitUntil(2000, [] { return OpenClipboard(nullptr) != FALSE; })) return true;
    return fail(L"the clipboard stays busy");
}

bool clipboard(Context&, const Args&) {
    if (!openClipboard()) return false;
    std::wstring content;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            content = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    printLine(content);
    return true;
}

// The capture devices in the order and with the descriptions that DirectSound
// gives the program's device list.
bool captureDevices(Context&, const Args&) {
    if (FAILED(DirectSoundCaptureEnumerateW(printCaptureDevice, nullptr))) {
        return fail(L"capture devices cannot be listed");
    }
    return true;
}

}  // namespace qs::e2e
