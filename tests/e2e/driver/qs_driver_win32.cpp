// qs_driver: drives a running Windows program from the outside for the
// end-to-end tests. One action per run, named on the command line:
//
//     qs_driver [--class MAIN_WINDOW_CLASS] COMMAND ARGUMENTS...
//
// The main window is the visible top-level window of the class
// ("hWndQuillstone" unless --class says otherwise). Results go to stdout as
// UTF-8 with LF line ends, failures to stderr; the exit status is 0 when the
// action succeeded and 1 otherwise. Every wait has a time-out.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/driver/dialogs_win32.h"
#include "tests/e2e/driver/driver_commands_win32.h"
#include "tests/e2e/driver/input_win32.h"
#include "tests/e2e/driver/target_window_win32.h"

namespace qs::e2e {

namespace {

constexpr int kDefaultDialogTimeoutMs = 5000;

bool waitWindow(Context&, const Args& args) {
    int timeoutMs = 0;
    if (!intArg(args[1], timeoutMs)) return false;
    if (waitUntil(timeoutMs, [&] { return findMainWindow(args[0]) != nullptr; })) return true;
    return fail(L"no window of class " + args[0]);
}

bool waitClosed(Context& context, const Args& args) {
    int timeoutMs = 0;
    if (!intArg(args[0], timeoutMs)) return false;
    const std::wstring& name = context.mainClass;
    if (waitUntil(timeoutMs, [&] { return FindWindowW(name.c_str(), nullptr) == nullptr; })) {
        return true;
    }
    return fail(L"the main window is still there");
}

bool menu(Context& context, const Args& args) {
    int commandId = 0;
    if (!intArg(args[0], commandId)) return false;
    InputSession input(context.main);
    PostMessageW(context.main, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    return input.waitUntilHandled();
}

// Buttons and check boxes get BM_CLICK; anything else a mouse click at its centre.
bool click(Context& context, const Args& args) {
    HWND control = nullptr;
    if (!controlArg(context, args[0], control)) return false;
    InputSession input(context.main);
    if (className(control) == L"Button") {
        PostMessageW(control, BM_CLICK, 0, 0);
        return input.waitUntilHandled();
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    return input.click(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

// A right click at the control's centre; a modal dialog it opens is left open.
bool rightClick(Context& context, const Args& args) {
    HWND control = nullptr;
    if (!controlArg(context, args[0], control)) return false;
    RECT rect{};
    GetWindowRect(control, &rect);
    InputSession input(context.main);
    return input.click(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, true);
}

bool clickAtPoint(Context& context, const Args& args) {
    int x = 0;
    int y = 0;
    if (!intArg(args[0], x) || !intArg(args[1], y)) return false;
    POINT point{x, y};
    if (!ClientToScreen(findForm(context.main), &point)) return fail(L"the form has no place");
    InputSession input(context.main);
    return input.click(point);
}

// Types into the control with the keyboard focus, or first gives it to the control named.
bool keys(Context& context, const Args& args) {
    HWND target = nullptr;
    if (args.size() > 1 && !controlArg(context, args[1], target)) return false;
    InputSession input(context.main);
    if (target && !input.focus(target)) return false;
    return input.typeKeys(args[0]);
}

bool keyDown(Context& context, const Args& args) {
    InputSession input(context.main);
    return input.pressKey(args[0], false);
}

bool keyUp(Context& context, const Args& args) {
    InputSession input(context.main);
    return input.pressKey(args[0], true);
}

bool move(Context& context, const Args& args) {
    int value[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!intArg(args[static_cast<size_t>(i)], value[i])) return false;
    }
    if (!SetWindowPos(context.main, nullptr, value[0], value[1], value[2], value[3],
                      SWP_NOZORDER | SWP_NOACTIVATE)) {
        return fail(L"the main window did not move");
    }
    return true;
}

bool minimize(Context& context, const Args&) {
    ShowWindowAsync(context.main, SW_MINIMIZE);
    HWND main = context.main;
    if (waitUntil(kDefaultDialogTimeoutMs, [main] { return IsIconic(main) != FALSE; })) return true;
    return fail(L"the main window was not minimised");
}

bool dialogArg(Context& context, const Args& args, size_t timeoutIndex, HWND& dialog) {
    int timeoutMs = kDefaultDialogTimeoutMs;
    if (args.size() > timeoutIndex && !intArg(args[timeoutIndex], timeoutMs)) return false;
    dialog = waitForDialog(context.main, timeoutMs);
    return dialog ? true : fail(L"no dialog appeared");
}

bool dialogTextCommand(Context& context, const Args& args) {
    HWND dialog = nullptr;
    if (!dialogArg(context, args, 0, dialog)) return false;
    printLine(dialogText(dialog));
    return true;
}

bool dialogPress(Context& context, const Args& args) {
    HWND dialog = nullptr;
    return dialogArg(context, args, 1, dialog) && pressDialogButton(dialog, args[0]);
}

// A control of the dialog waiting for an answer.
bool dialogControl(Context& context, const std::wstring& id, HWND& dialog, HWND& control) {
    int controlId = 0;
    if (!intArg(id, controlId) || !dialogArg(context, {}, 0, dialog)) return false;
    control = GetDlgItem(dialog, controlId);
    return control ? true : fail(L"the dialog has no control " + id);
}

bool dialogItem(Context& context, const Args& args) {
    HWND dialog = nullptr;
    HWND control = nullptr;
    if (!dialogControl(context, args[0], dialog, control)) return false;
    printLine(windowText(control));
    return true;
}

// A button of the dialog clicked as the mouse would (BM_CLICK).
bool dialogClick(Context& context, const Args& args) {
    HWND dialog = nullptr;
    HWND control = nullptr;
    if (!dialogControl(context, args[0], dialog, control)) return false;
    InputSession input(context.main);
    PostMessageW(control, BM_CLICK, 0, 0);
    return input.waitUntilHandled();
}

// An entry of a dialog's combo box chosen, with the notification a choice sends.
bool dialogSelect(Context& context, const Args& args) {
    HWND dialog = nullptr;
    HWND control = nullptr;
    int index = 0;
    if (!intArg(args[1], index) || !dialogControl(context, args[0], dialog, control)) return false;
    InputSession input(context.main);
    SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
    return input.waitUntilHandled();
}

// Answers the file dialog, then waits until the program has read or written
// the file and takes input again, so that the next action reaches the form.
bool fileDialog(Context& context, const Args& args) {
    HWND dialog = nullptr;
    if (!dialogArg(context, args, 1, dialog) || !answerFileDialog(dialog, args[0])) return false;
    if (!context.main) return true;
    InputSession input(context.main);
    return input.waitUntilHandled();
}

bool closeMain(Context& context, const Args&) {
    PostMessageW(context.main, WM_CLOSE, 0, 0);
    return true;
}

bool clipboardSet(Context&, const Args& args) {
    const size_t bytes = (args[0].size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return fail(L"out of memory");
    CopyMemory(GlobalLock(memory), args[0].c_str(), bytes);
    GlobalUnlock(memory);
    if (!openClipboard()) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool stored = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!stored) GlobalFree(memory);
    return stored ? true : fail(L"the clipboard refused the text");
}

struct Command {
    const wchar_t* name;
    const wchar_t* arguments;
    size_t minArgs;
    size_t maxArgs;
    bool needsMainWindow;
    bool (*run)(Context&, const Args&);
};

constexpr Command kCommands[] = {
    {L"wait-window", L"CLASS TIMEOUT_MS", 2, 2, false, waitWindow},
    {L"wait-closed", L"TIMEOUT_MS", 1, 1, false, waitClosed},
    {L"menu", L"COMMAND_ID", 1, 1, true, menu},
    {L"click", L"CONTROL_ID", 1, 1, true, click},
    {L"click-at", L"X Y", 2, 2, true, clickAtPoint},
    {L"right-click", L"CONTROL_ID", 1, 1, true, rightClick},
    {L"keys", L"TEXT [CONTROL_ID]", 1, 2, true, keys},
    {L"key-down", L"KEY", 1, 1, true, keyDown},
    {L"key-up", L"KEY", 1, 1, true, keyUp},
    {L"text", L"CONTROL_ID", 1, 1, true, text},
    {L"checked", L"CONTROL_ID", 1, 1, true, checked},
    {L"visible", L"CONTROL_ID", 1, 1, true, visible},
    {L"combo", L"CONTROL_ID", 1, 1, true, combo},
    {L"combo-items", L"CONTROL_ID", 1, 1, true, comboItems},
    {L"trackbar", L"CONTROL_ID", 1, 1, true, trackbar},
    {L"selection", L"CONTROL_ID", 1, 1, true, selection},
    {L"wait-text", L"CONTROL_ID SUBSTRING TIMEOUT_MS", 3, 3, true, waitText},
    {L"window-rect", L"", 0, 0, true, windowRect},
    {L"control-rect", L"CONTROL_ID", 1, 1, true, controlRect},
    {L"move", L"X Y WIDTH HEIGHT", 4, 4, true, move},
    {L"minimize", L"", 0, 0, true, minimize},
    {L"title", L"", 0, 0, true, title},
    {L"dialog-text", L"[TIMEOUT_MS]", 0, 1, false, dialogTextCommand},
    {L"dialog-press", L"BUTTON [TIMEOUT_MS]", 1, 2, false, dialogPress},
    {L"file-dialog", L"PATH [TIMEOUT_MS]", 1, 2, false, fileDialog},
    {L"dialog-item", L"CONTROL_ID", 1, 1, true, dialogItem},
    {L"dialog-click", L"CONTROL_ID", 1, 1, true, dialogClick},
    {L"dialog-select", L"CONTROL_ID INDEX", 2, 2, true, dialogSelect},
    {L"controls", L"", 0, 0, true, controls},
    {L"close", L"", 0, 0, true, closeMain},
    {L"clipboard", L"", 0, 0, false, clipboard},
    {L"clipboard-set", L"TEXT", 1, 1, false, clipboardSet},
    {L"capture-devices", L"", 0, 0, false, captureDevices},
};

bool usage() {
    std::wstring text = L"usage: qs_driver [--class MAIN_WINDOW_CLASS] COMMAND ARGUMENTS\n";
    for (const Command& command : kCommands) {
        text += L"  " + std::wstring(command.name) + L" " + command.arguments + L"\n";
    }
    return fail(text);
}

bool run(Args args) {
    Context context;
    if (args.size() >= 2 && args[0] == L"--class") {
        context.mainClass = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) return usage();
    const std::wstring name = args[0];
    args.erase(args.begin());
    for (const Command& command : kCommands) {
        if (name != command.name) continue;
        if (args.size() < command.minArgs || args.size() > command.maxArgs) return usage();
        context.main = findMainWindow(context.mainClass);
        if (command.needsMainWindow && !context.main) {
            return fail(L"no window of class " + context.mainClass);
        }
        return command.run(context, args);
    }
    return usage();
}

}  // namespace

}  // namespace qs::e2e

int wmain(int argc, wchar_t** argv) {
    // Output is UTF-8 with LF line ends, not translated by the C runtime.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    qs::e2e::Args args(argv + 1, argv + argc);
    return qs::e2e::run(args) ? 0 : 1;
}
