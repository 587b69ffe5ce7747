#include "ui/screen_controls_win32.h"

#include <richedit.h>

#include "ui/control_ids.h"
#include "ui/controls_win32.h"

namespace qs::ui {

namespace {

constexpr DWORD kHoverTimeMs = 1;

Key keyOf(WPARAM virtualKey) {
    if (virtualKey >= VK_F1 && virtualKey <= VK_F12) {
        return static_cast<Key>(static_cast<int>(Key::F1) + static_cast<int>(virtualKey - VK_F1));
    }
    switch (virtualKey) {
        case VK_PRIOR:
            return Key::PageUp;
        case VK_NEXT:
            return Key::PageDown;
        case VK_DOWN:
            return Key::Down;
        case VK_RETURN:
            return Key::Enter;
        case VK_ESCAPE:
            return Key::Escape;
        case VK_BACK:
            return Key::Backspace;
        case VK_DELETE:
            return Key::Delete;
        case VK_SHIFT:
            return Key::Shift;
        case VK_CONTROL:
            return Key::Control;
        default:
            return Key::Other;
    }
}

// The text of the rich edit with line breaks as one "\r", as its character
// positions count them.
Text richEditText(HWND box) {
    const win::Window window(box);
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LRESULT count = window.send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (count <= 0) return {};
    std::wstring buffer(static_cast<size_t>(count) + 1, L'\0');
    GETTEXTEX request{static_cast<DWORD>(buffer.size() * sizeof(wchar_t)), GT_DEFAULT, 1200,
                      nullptr, nullptr};
    const LRESULT copied = window.send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                       reinterpret_cast<LPARAM>(buffer.data()));
    return win::fromWide(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

CHARRANGE selectionOf(HWND box) {
    CHARRANGE range{};
    SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

}  // namespace

bool keyTableMessage(const MSG& message, HWND view, Key& key, bool& pressed, bool& systemKey) {
    if (!view || (message.hwnd != view && !IsChild(view, message.hwnd))) return false;
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            break;
        default:
            return false;
    }
    key = keyOf(message.wParam);
    pressed = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    systemKey = message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP;
    return true;
}

void ScreenControls::focusControl(int controlId) {
    SetFocus(item(controlId));
}

// The edit inside a combo box counts as the combo box.
int ScreenControls::focusedControl() const {
    HWND focus = GetFocus();
    if (!focus || !IsChild(view_, focus)) return 0;
    while (GetParent(focus) != view_) focus = GetParent(focus);
    return GetDlgCtrlID(focus);
}

Text ScreenControls::controlText(int controlId) const {
    return win::Window(item(controlId)).text();
}

void ScreenControls::setControlText(int controlId, TextView text) {
    win::Window(item(controlId)).setText(text);
}

void ScreenControls::moveCaretToEnd(int controlId) {
    const win::Window edit(item(controlId));
    const int end = GetWindowTextLengthW(edit.handle());
    edit.send(EM_SETSEL, static_cast<WPARAM>(end), end);
    edit.send(EM_SCROLLCARET);
}

void ScreenControls::appendAtEnd(int controlId, TextView text) {
    moveCaretToEnd(controlId);
    win::Window(item(controlId))
        .send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(win::wide(text).c_str()));
}

void ScreenControls::enableControl(int controlId, bool enabled) {
    win::Window(item(controlId)).enable(enabled);
}

void ScreenControls::emptyClipboardIfText() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) && !IsClipboardFormatAvailable(CF_TEXT)) return;
    if (!OpenClipboard(view_)) return;
    EmptyClipboard();
    CloseClipboard();
}

void ScreenControls::setStatusText(TextView text) {
    frame_.setStatusText(text);
}

void ScreenControls::showFormMessage(TextView text) {
    MessageBoxW(GetAncestor(view_, GA_ROOT), win::wide(text).c_str(), L"Quillstone", MB_OK);
}

bool ScreenControls::hasSelection() const {
    const CHARRANGE range = selectionOf(item(control::kReceiveWindow));
    return range.cpMax != range.cpMin;
}

// The selection is staged directly; the clipboard, which a copy and paste
// would have used, ends up empty as it would then.
void ScreenControls::stageSelection() {
    const HWND box = item(control::kReceiveWindow);
    const CHARRANGE range = selectionOf(box);
    const LONG length = range.cpMax > range.cpMin ? range.cpMax - range.cpMin : 0;
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(box, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    win::Window(item(control::kStagingEdit)).setText(win::fromWide(buffer));
    if (OpenClipboard(view_)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

Text ScreenControls::receiveText() const {
    return richEditText(item(control::kReceiveWindow));
}

int ScreenControls::caretPosition() const {
    return static_cast<int>(selectionOf(item(control::kReceiveWindow)).cpMin);
}

bool ScreenControls::trackHoverAndLeave() {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof request;
    request.dwFlags = TME_HOVER | TME_LEAVE;
    request.hwndTrack = view_;
    request.dwHoverTime = kHoverTimeMs;
    return TrackMouseEvent(&request) != FALSE;
}

}  // namespace qs::ui
