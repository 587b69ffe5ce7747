#pragma once
// The program under test as the driver sees it: its main window, the
// controls below it found by id, and bounded cross-process messages.

#include <windows.h>

#include <functional>
#include <string>

namespace qs::e2e {

// Longest wait for one cross-process message; a hung target fails the command.
inline constexpr UINT kMessageTimeoutMs = 3000;
inline constexpr DWORD kPollIntervalMs = 50;

std::string toUtf8(const std::wstring& text);

// Writes text as UTF-8 plus a line end; CR LF and lone CR become LF.
void printLine(const std::wstring& text);

// Reports why a command failed on stderr; returns false for `return fail(...)`.
bool fail(const std::wstring& why);

bool parseInt(const std::wstring& text, int& value);

// Calls `done` every kPollIntervalMs until it returns true or timeoutMs pass.
bool waitUntil(int timeoutMs, const std::function<bool()>& done);

// SendMessageTimeout that gives up on a hung or busy target.
bool sendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// The visible top-level window of the class, or null.
HWND findMainWindow(const std::wstring& className);

// The descendant of `root` with the control id, searched through every level.
HWND findControl(HWND root, int controlId);

// The form that holds the controls: the parent of the receive window 1036 when
// there is one (the program's form view), else the main window itself.
HWND findForm(HWND mainWindow);

std::wstring windowText(HWND window);
std::wstring className(HWND window);

}  // namespace qs::e2e
