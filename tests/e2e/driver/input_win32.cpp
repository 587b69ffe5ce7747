#include "tests/e2e/driver/input_win32.h"

#include <cwctype>
#include <vector>

#include "tests/e2e/driver/target_window_win32.h"

namespace qs::e2e {

namespace {

// Longest time the program may take to handle one action's input.
constexpr int kHandledTimeoutMs = 15000;
// Pressed after an action's input; no program gives it a meaning.
constexpr UINT kMarkerKey = VK_F24;
constexpr int kMarkerRetryMs = 500;

struct NamedKey {
    const wchar_t* name;
    UINT virtualKey;
};

constexpr NamedKey kNamedKeys[] = {
    {L"ENTER", VK_RETURN},  {L"ESC", VK_ESCAPE},  {L"TAB", VK_TAB},      {L"BACKSPACE", VK_BACK},
    {L"DELETE", VK_DELETE}, {L"UP", VK_UP},       {L"DOWN", VK_DOWN},    {L"LEFT", VK_LEFT},
    {L"RIGHT", VK_RIGHT},   {L"PGUP", VK_PRIOR},  {L"PGDN", VK_NEXT},    {L"HOME", VK_HOME},
    {L"END", VK_END},       {L"SHIFT", VK_SHIFT}, {L"CTRL", VK_CONTROL},
};

// Keys whose scan code carries the extended flag on a real keyboard.
bool isExtended(UINT virtualKey) {
    switch (virtualKey) {
        case VK_DELETE:
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            return true;
        default:
            return false;
    }
}

bool lookUpKey(const std::wstring& name, UINT& virtualKey) {
    int functionKey = 0;
    if (name.size() >= 2 && name[0] == L'F' && parseInt(name.substr(1), functionKey) &&
        functionKey >= 1 && functionKey <= 12) {
        virtualKey = VK_F1 + static_cast<UINT>(functionKey - 1);
        return true;
    }
    for (const NamedKey& key : kNamedKeys) {
        if (name == key.name) {
            virtualKey = key.virtualKey;
            return true;
        }
    }
    return false;
}

INPUT keyEvent(UINT virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtualKey);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    if (isExtended(virtualKey)) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    if (release) input.ki.dwFlags |= KEYEVENTF_KEYUP;
    return input;
}

void addCharacter(std::vector<INPUT>& events, wchar_t character) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    events.push_back(input);
    input.ki.dwFlags |= KEYEVENTF_KEYUP;
    events.push_back(input);
}

bool addNamedKey(std::vector<INPUT>& events, std::wstring name) {
    for (auto& c : name) c = static_cast<wchar_t>(std::towupper(c));
    UINT modifier = 0;
    if (name.rfind(L"SHIFT+", 0) == 0) {
        modifier = VK_SHIFT;
        name = name.substr(6);
    } else if (name.rfind(L"CTRL+", 0) == 0) {
        modifier = VK_CONTROL;
        name = name.substr(5);
    }
    UINT virtualKey = 0;
    if (!lookUpKey(name, virtualKey)) return fail(L"unknown key {" + name + L"}");
    if (modifier) events.push_back(keyEvent(modifier, false));
    events.push_back(keyEvent(virtualKey, false));
    events.push_back(keyEvent(virtualKey, true));
    if (modifier) events.push_back(keyEvent(modifier, true));
    return true;
}

bool sendEvents(std::vector<INPUT>& events) {
    if (events.empty()) return true;
    const UINT count = static_cast<UINT>(events.size());
    if (SendInput(count, events.data(), sizeof(INPUT)) == count) return true;
    return fail(L"SendInput refused the input");
}

// Sends a key's event until the program's key state shows it. An event can
// be lost: Wine resets its key state to the X server's when the X focus
// moves, as it may after a click.
bool pressUntilTaken(UINT virtualKey, bool down) {
    std::vector<INPUT> event{keyEvent(virtualKey, !down)};
    const auto taken = [virtualKey, down] {
        return ((GetKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0) == down;
    };
    const ULONGLONG deadline = GetTickCount64() + kHandledTimeoutMs;
    while (GetTickCount64() < deadline) {
        if (!sendEvents(event)) return false;
        if (waitUntil(kMarkerRetryMs, taken)) return true;
    }
    return fail(L"the program did not take the input");
}

}  // namespace

InputSession::InputSession(HWND mainWindow)
    : targetThread_(GetWindowThreadProcessId(mainWindow, nullptr)), attached_(false) {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // a thread needs a queue to attach
    attached_ = AttachThreadInput(GetCurrentThreadId(), targetThread_, TRUE) != FALSE;
    HWND foreground = GetForegroundWindow();
    if (!foreground || GetWindowThreadProcessId(foreground, nullptr) != targetThread_) {
        SetForegroundWindow(mainWindow);
    }
}

InputSession::~InputSession() {
    if (attached_) AttachThreadInput(GetCurrentThreadId(), targetThread_, FALSE);
}

bool InputSession::focus(HWND control) {
    if (!attached_) return fail(L"cannot share the program's input state");
    SetFocus(control);
    return GetFocus() == control ? true : fail(L"the control does not take the focus");
}

bool InputSession::typeKeys(const std::wstring& keys) {
    std::vector<INPUT> events;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys.compare(i, 3, L"{{}") == 0) {
            addCharacter(events, L'{');
            i += 2;
        } else if (keys[i] == L'{') {
            const size_t close = keys.find(L'}', i);
            if (close == std::wstring::npos) return fail(L"unclosed { in keys");
            if (!addNamedKey(events, keys.substr(i + 1, close - i - 1))) return false;
            i = close;
        } else {
            addCharacter(events, keys[i]);
        }
    }
    return sendEvents(events) && waitUntilHandled();
}

// The key's own state tells when the program has taken it: the marker key
// would be a second key, whose release the program may act on.
bool InputSession::pressKey(const std::wstring& name, bool release) {
    if (!attached_) return fail(L"cannot share the program's input state");
    std::wstring upper = name;
    for (auto& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    UINT virtualKey = 0;
    if (!lookUpKey(upper, virtualKey)) return fail(L"unknown key " + name);
    return pressUntilTaken(virtualKey, !release);
}

bool InputSession::click(POINT screenPoint, bool right) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<INPUT> events(3);
    for (INPUT& input : events) input.type = INPUT_MOUSE;
    events[0].mi.dx = MulDiv(screenPoint.x, 65535, width - 1);
    events[0].mi.dy = MulDiv(screenPoint.y, 65535, height - 1);
    events[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    events[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    events[2].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    return sendEvents(events) && waitUntilHandled();
}

bool InputSession::waitUntilHandled() {
    if (!attached_) return fail(L"cannot share the program's input state");
    return pressUntilTaken(kMarkerKey, true) && pressUntilTaken(kMarkerKey, false);
}

}  // namespace qs::e2e
