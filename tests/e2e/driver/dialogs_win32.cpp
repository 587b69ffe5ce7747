#include "tests/e2e/driver/dialogs_win32.h"

#include <cwctype>
#include <vector>

#include "tests/e2e/driver/target_window_win32.h"

namespace qs::e2e {

namespace {

constexpr int kDialogCloseTimeoutMs = 5000;
// File name box of the common file dialogs: an edit (edt1) or an editable
// combo box (cmb13), depending on the template.
constexpr int kFileNameEditId = 0x480;
constexpr int kFileNameComboId = 0x47C;

struct DialogSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchActiveDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DialogSearch*>(context);
    if (className(window) != L"#32770" || !IsWindowVisible(window) || !IsWindowEnabled(window)) {
        return TRUE;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (search->processId != 0 && processId != search->processId) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK collectChild(HWND window, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

std::vector<HWND> childrenOf(HWND dialog) {
    std::vector<HWND> children;
    EnumChildWindows(dialog, collectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::wstring comparableCaption(const std::wstring& caption) {
    std::wstring out;
    for (wchar_t c : caption) {
        if (c != L'&') out += static_cast<wchar_t>(std::towlower(c));
    }
    return out;
}

int standardButtonId(const std::wstring& name) {
    static const struct {
        const wchar_t* name;
        int id;
    } kIds[] = {{L"IDOK", IDOK},       {L"IDCANCEL", IDCANCEL}, {L"IDABORT", IDABORT},
                {L"IDRETRY", IDRETRY}, {L"IDIGNORE", IDIGNORE}, {L"IDYES", IDYES},
                {L"IDNO", IDNO}};
    for (const auto& entry : kIds) {
        if (name == entry.name) return entry.id;
    }
    return 0;
}

HWND findButton(HWND dialog, const std::wstring& button) {
    if (const int id = standardButtonId(button)) return GetDlgItem(dialog, id);
    const std::wstring wanted = comparableCaption(button);
    for (HWND child : childrenOf(dialog)) {
        if (className(child) == L"Button" && comparableCaption(windowText(child)) == wanted) {
            return child;
        }
    }
    return nullptr;
}

bool isAnswered(HWND dialog) {
    return !IsWindow(dialog) || !IsWindowVisible(dialog) || !IsWindowEnabled(dialog);
}

// A click on a dialog button reaches the dialog as this notification.
bool postButtonCommand(HWND dialog, HWND button) {
    const int id = GetDlgCtrlID(button);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    if (waitUntil(kDialogCloseTimeoutMs, [dialog] { return isAnswered(dialog); })) return true;
    return fail(L"the dialog did not take the answer");
}

HWND findFileNameBox(HWND dialog) {
    if (HWND edit = GetDlgItem(dialog, kFileNameEditId); edit && IsWindowVisible(edit)) {
        return edit;
    }
    if (HWND combo = GetDlgItem(dialog, kFileNameComboId); combo && IsWindowVisible(combo)) {
        return combo;
    }
    for (HWND child : childrenOf(dialog)) {
        if (className(child) == L"Edit" && IsWindowVisible(child)) return child;
    }
    return nullptr;
}

}  // namespace

HWND waitForDialog(HWND mainWindow, int timeoutMs) {
    DialogSearch search{0, nullptr};
    if (mainWindow) GetWindowThreadProcessId(mainWindow, &search.processId);
    waitUntil(timeoutMs, [&search] {
        EnumWindows(matchActiveDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

std::wstring dialogText(HWND dialog) {
    std::wstring text;
    for (HWND child : childrenOf(dialog)) {
        if (className(child) != L"Static") continue;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
        const std::wstring part = windowText(child);
        if (part.empty()) continue;
        if (!text.empty()) text += L"\n";
        text += part;
    }
    return text;
}

bool pressDialogButton(HWND dialog, const std::wstring& button) {
    HWND target = findButton(dialog, button);
    if (!target) return fail(L"the dialog has no button " + button);
    return postButtonCommand(dialog, target);
}

bool answerFileDialog(HWND dialog, const std::wstring& path) {
    HWND nameBox = findFileNameBox(dialog);
    if (!nameBox) return fail(L"no file name box in the dialog");
    if (!sendBounded(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), nullptr)) {
        return fail(L"the file name box did not take the path");
    }
    HWND ok = GetDlgItem(dialog, IDOK);
    if (!ok) return fail(L"no OK button in the file dialog");
    if (!postButtonCommand(dialog, ok)) return false;
    // A hidden file dialog may still cover the form for a moment; a prompt
    // of its own (replace the file?) disables it instead.
    if (waitUntil(kDialogCloseTimeoutMs,
                  [dialog] { return !IsWindow(dialog) || !IsWindowEnabled(dialog); })) {
        return true;
    }
    return fail(L"the file dialog stayed after its answer");
}

}  // namespace qs::e2e
