#include "ui/modal_dialog_win32.h"

namespace qs::ui {

bool ModalDialog::runModal(int templateId) {
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner_,
                        &dialogProc, reinterpret_cast<LPARAM>(this));
    dialog_ = nullptr;
    return result == IDOK;
}

INT_PTR CALLBACK ModalDialog::dialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, l);
        reinterpret_cast<ModalDialog*>(l)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->handle(message, w, l) : FALSE;
}

}  // namespace qs::ui
