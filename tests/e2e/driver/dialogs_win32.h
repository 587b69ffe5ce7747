#pragma once
// Modal dialogs of the program under test: message boxes, the save prompt and
// the open and save file dialogs.

#include <windows.h>

#include <string>

namespace qs::e2e {

// The dialog waiting for an answer: a visible, enabled top-level dialog
// ("#32770") of the process that owns `mainWindow` (of any process when
// `mainWindow` is null). Null when there is none after timeoutMs.
HWND waitForDialog(HWND mainWindow, int timeoutMs);

// The dialog's static texts, one after another, line ends as they are.
std::wstring dialogText(HWND dialog);

// Presses a button of the dialog named by its id (IDOK, IDCANCEL, IDYES, IDNO,
// IDABORT, IDRETRY, IDIGNORE) or by its caption ("&" ignored, any case), then
// waits until the dialog is gone or waits on another one.
bool pressDialogButton(HWND dialog, const std::wstring& button);

// Types a path into an open or save file dialog and confirms it with OK.
bool answerFileDialog(HWND dialog, const std::wstring& path);

}  // namespace qs::e2e
