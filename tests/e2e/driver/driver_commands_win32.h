#pragma once
// The driver's commands. Each takes the arguments that follow its name,
// prints its result on stdout and returns whether it succeeded; failures are
// explained on stderr.

#include <windows.h>

#include <string>
#include <vector>

namespace qs::e2e {

using Args = std::vector<std::wstring>;

struct Context {
    std::wstring mainClass = L"hWndQuillstone";
    HWND main = nullptr;  // null when the command needs no main window and there is none
};

bool intArg(const std::wstring& text, int& value);
// The control with the id given as text, anywhere under the main window.
bool controlArg(const Context& context, const std::wstring& idText, HWND& control);
bool openClipboard();

// Read-only commands (query_commands_win32.cpp).
bool text(Context& context, const Args& args);
bool checked(Context& context, const Args& args);
bool visible(Context& context, const Args& args);
bool combo(Context& context, const Args& args);
bool comboItems(Context& context, const Args& args);
bool trackbar(Context& context, const Args& args);
bool selection(Context& context, const Args& args);
bool waitText(Context& context, const Args& args);
bool windowRect(Context& context, const Args& args);
bool controlRect(Context& context, const Args& args);
bool title(Context& context, const Args& args);
bool controls(Context& context, const Args& args);
bool clipboard(Context& context, const Args& args);
bool captureDevices(Context& context, const Args& args);

}  // namespace qs::e2e
