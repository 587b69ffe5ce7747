#pragma once
// A modal dialog from a template of the program's resources, owned by the
// frame: the window procedure finds the object that runs it and hands it
// every message.

#include <windows.h>

namespace qs::ui {

class ModalDialog {
public:
    virtual ~ModalDialog() = default;

    // The dialog is owned by this window, the frame.
    void setOwner(HWND owner) { owner_ = owner; }

protected:
    // Shows the dialog and returns once it is closed; true for OK.
    bool runModal(int templateId);
    // One message of the dialog; WM_INITDIALOG comes first.
    virtual INT_PTR handle(UINT message, WPARAM w, LPARAM l) = 0;
    HWND item(int id) const { return GetDlgItem(dialog_, id); }

    HWND dialog_ = nullptr;

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l);

    HWND owner_ = nullptr;
};

}  // namespace qs::ui
