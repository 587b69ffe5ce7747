#pragma once
// The About box (dialog resource IDD_ABOUTBOX), shown modally.

#include <windows.h>

namespace qs::app {

class CAboutDlg {
public:
    void DoModal(HWND owner);

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l);
};

}  // namespace qs::app
