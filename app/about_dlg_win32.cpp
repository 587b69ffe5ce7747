#include "app/about_dlg_win32.h"

#include "app/resource_win32.h"

namespace qs::app {

void CAboutDlg::DoModal(HWND owner) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, &dialogProc,
                    0);
}

INT_PTR CALLBACK CAboutDlg::dialogProc(HWND dialog, UINT message, WPARAM w, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
                EndDialog(dialog, LOWORD(w));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace qs::app
