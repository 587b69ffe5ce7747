#include "app/main_frame_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/about_dlg_win32.h"
#include "app/file_dialogs_win32.h"
#include "app/resource_win32.h"
#include "app/settings_files_win32.h"
#include "app/window_placement.h"
#include "ui/controls_win32.h"

namespace qs::app {

namespace {

constexpr wchar_t kFrameClass[] = L"hWndQuillstone";
constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr char16_t kReady[] = u"Ready";
constexpr int kIndicatorWidth = 48;  // CAP, NUM, SCRL

struct ToolbarButton {
    int image;
    int command;
    const wchar_t* tip;
};
const ToolbarButton kToolbarButtons[] = {
    {STD_FILENEW, ID_FILE_NEW, L"New"},    {STD_FILEOPEN, ID_FILE_OPEN, L"Open"},
    {STD_FILESAVE, ID_FILE_SAVE, L"Save"}, {-1, 0, nullptr},
    {STD_CUT, ID_EDIT_CUT, L"Cut"},        {STD_COPY, ID_EDIT_COPY, L"Copy"},
    {STD_PASTE, ID_EDIT_PASTE, L"Paste"},  {-1, 0, nullptr},
    {STD_HELP, ID_APP_ABOUT, L"About"},
};

struct HelpDocument {
    int command;
    const wchar_t* path;
    const char16_t* missing;
};
const HelpDocument kHelpDocuments[] = {
    {ID_HELP_README, L"readme\\readme.pdf", u"readme.pdfを開くことが出来ません"},
    {ID_HELP_MANUAL, L"HTMLHELP32\\Instruction Manual(H).pdf",
     u"Instruction Manualを開くことが出来ません"},
};

void registerFrameClass(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, kFrameClass, &windowClass)) return;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFrameClass;
    RegisterClassExW(&windowClass);
}

int windowHeight(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

}  // namespace

CMainFrame::CMainFrame(settings::SettingsRecord& document, Profile& profile,
                       RecentFileList& recentFiles)
    : profile_(profile),
      recentFiles_(recentFiles),
      view_(*this, document),
      commands_(document, recentFiles, *this, windowsDocumentFiles()) {}

bool CMainFrame::create() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerFrameClass(instance, &windowProc);
    const FramePlacement place = readPlacement(profile_);
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    return CreateWindowExW(0, kFrameClass, win::wide(commands_.frameTitle()).c_str(), kFrameStyle,
                           place.left, place.top, place.width, place.height, nullptr, menu,
                           instance, this) != nullptr;
}

void CMainFrame::show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    DragAcceptFiles(window_, TRUE);
}

LRESULT CALLBACK CMainFrame::windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* frame = static_cast<CMainFrame*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        frame->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    }
    auto* frame = reinterpret_cast<CMainFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!frame) return DefWindowProcW(window, message, w, l);
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return frame->handleMessage(message, w, l);
}

LRESULT CMainFrame::handleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CREATE:
            return createBars() && view_.create(window_) ? 0 : -1;
        case WM_SIZE:
            layout();
            return 0;
        case WM_COMMAND:
            onCommand(LOWORD(w));
            return 0;
        case WM_INITMENUPOPUP:
            onInitMenuPopup(reinterpret_cast<HMENU>(w));
            return 0;
        case WM_EXITMENULOOP:
            setStatusText(kReady);
            return 0;
        case WM_NOTIFY:
            return onNotify(*reinterpret_cast<NMHDR*>(l));
        case WM_DROPFILES:
            onDropFiles(reinterpret_cast<HDROP>(w));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(w) == WA_INACTIVE) view_.rememberFocus();
            return DefWindowProcW(window_, message, w, l);
        case WM_SETFOCUS:
            view_.restoreFocus();
            return 0;
        case WM_CLOSE:
            onClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, w, l);
    }
}

bool CMainFrame::createBars() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0, 0, 0, 0,
                               window_, reinterpret_cast<HMENU>(IDR_MAINFRAME), instance, nullptr);
    statusBar_ =
        CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                        0, 0, window_, nullptr, instance, nullptr);
    if (!toolbar_ || !statusBar_) return false;
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_LOADIMAGES, IDB_STD_SMALL_COLOR,
                 reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    for (const ToolbarButton& button : kToolbarButtons) {
        TBBUTTON added{};
        added.iBitmap = button.image < 0 ? 0 : button.image;
        added.idCommand = button.command;
        added.fsState = TBSTATE_ENABLED;
        added.fsStyle = button.image < 0 ? BTNS_SEP : BTNS_BUTTON;
        SendMessageW(toolbar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&added));
    }
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    setStatusText(kReady);
    return true;
}

// Toolbar on top, status bar at the bottom, the operating screen between.
void CMainFrame::layout() {
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    RECT client{};
    GetClientRect(window_, &client);
    const int parts[] = {static_cast<int>(client.right) - 3 * kIndicatorWidth,
                         static_cast<int>(client.right) - 2 * kIndicatorWidth,
                         static_cast<int>(client.right) - kIndicatorWidth, -1};
    SendMessageW(statusBar_, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    updateKeyIndicators();
    const int top = windowHeight(toolbar_);
    const int height = client.bottom - top - windowHeight(statusBar_);
    MoveWindow(view_.handle(), 0, top, client.right, height > 0 ? height : 0, TRUE);
}

void CMainFrame::updateKeyIndicators() {
    const std::pair<int, const wchar_t*> keys[] = {
        {VK_CAPITAL, L"CAP"}, {VK_NUMLOCK, L"NUM"}, {VK_SCROLL, L"SCRL"}};
    for (int i = 0; i < 3; ++i) {
        const bool on = (GetKeyState(keys[i].first) & 1) != 0;
        SendMessageW(statusBar_, SB_SETTEXTW, static_cast<WPARAM>(i + 1),
                     reinterpret_cast<LPARAM>(on ? keys[i].second : L""));
    }
}

bool CMainFrame::preTranslateMessage(MSG& message, HACCEL accelerators) {
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
        if (message.message == WM_KEYUP) updateKeyIndicators();
        if (view_.preTranslateKey(message)) return true;
        if (TranslateAcceleratorW(window_, accelerators, &message)) return true;
    }
    return view_.isDialogMessage(message);
}

void CMainFrame::onCommand(int id) {
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4) {
        commands_.openRecentFile(id - ID_FILE_MRU_FILE1);
        return;
    }
    switch (id) {
        case ID_FILE_NEW:
            commands_.newDocument();
            return;
        case ID_FILE_OPEN:
            commands_.openWithDialog();
            return;
        case ID_FILE_SAVE:
            commands_.save();
            return;
        case ID_FILE_SAVE_AS:
            commands_.saveAs();
            return;
        case ID_APP_EXIT:
            SendMessageW(window_, WM_CLOSE, 0, 0);
            return;
        case ID_APP_ABOUT:
            CAboutDlg().DoModal(window_);
            return;
        case ID_HELP_README:
        case ID_HELP_MANUAL:
            openHelpDocument(id);
            return;
        // The edit commands go to the control that has the focus.
        case ID_EDIT_UNDO:
            SendMessageW(GetFocus(), WM_UNDO, 0, 0);
            return;
        case ID_EDIT_CUT:
            SendMessageW(GetFocus(), WM_CUT, 0, 0);
            return;
        case ID_EDIT_COPY:
            SendMessageW(GetFocus(), WM_COPY, 0, 0);
            return;
        case ID_EDIT_PASTE:
            SendMessageW(GetFocus(), WM_PASTE, 0, 0);
            return;
        case ID_NEXT_PANE:
        case ID_PREV_PANE:
            return;  // one pane only
        default:
            view_.onMenuCommand(id);
            return;
    }
}

void CMainFrame::onInitMenuPopup(HMENU menu) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == ID_FILE_MRU_FILE1) {
            fillRecentFiles(menu);
            return;
        }
        if (id < ID_SOUND_RIGHT || id > ID_COMM_COM15) continue;
        EnableMenuItem(menu, id,
                       MF_BYCOMMAND | (view_.commandEnabled(id) ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, id,
                      MF_BYCOMMAND | (view_.commandChecked(id) ? MF_CHECKED : MF_UNCHECKED));
    }
}

// The entries replace the "Recent File" placeholder, which stays, greyed,
// while the list is empty.
void CMainFrame::fillRecentFiles(HMENU fileMenu) {
    int place = -1;
    for (int i = GetMenuItemCount(fileMenu) - 1; i >= 0; --i) {
        const UINT id = GetMenuItemID(fileMenu, i);
        if (id < ID_FILE_MRU_FILE1 || id > ID_FILE_MRU_FILE4) continue;
        DeleteMenu(fileMenu, i, MF_BYPOSITION);
        place = i;
    }
    const std::vector<Text>& entries = recentFiles_.entries();
    if (entries.empty()) {
        InsertMenuW(fileMenu, place, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1,
                    L"Recent File");
        return;
    }
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        InsertMenuW(fileMenu, place + i, MF_BYPOSITION | MF_STRING, ID_FILE_MRU_FILE1 + i,
                    win::wide(RecentFileList::menuCaption(i, entries[i])).c_str());
    }
}

void CMainFrame::onClose() {
    if (commands_.saveModified()) DestroyWindow(window_);
}

// A single-document program opens the first of the files dropped on it.
void CMainFrame::onDropFiles(HDROP drop) {
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring file(length + 1, L'\0');
    DragQueryFileW(drop, 0, file.data(), length + 1);
    DragFinish(drop);
    file.resize(length);
    SetForegroundWindow(window_);
    if (!file.empty()) commands_.openDocument(std::filesystem::path(file));
}

void CMainFrame::openHelpDocument(int id) {
    for (const HelpDocument& document : kHelpDocuments) {
        if (document.command != id) continue;
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(window_, L"open", document.path, nullptr, nullptr, SW_SHOWNORMAL));
        if (result <= 32) showMessage(document.missing);
    }
}

LRESULT CMainFrame::onNotify(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOW) return 0;
    auto& tip = reinterpret_cast<NMTTDISPINFOW&>(header);
    for (const ToolbarButton& button : kToolbarButtons) {
        if (button.tip && static_cast<UINT_PTR>(button.command) == header.idFrom) {
            tip.lpszText = const_cast<wchar_t*>(button.tip);
        }
    }
    return 0;
}

SaveAnswer CMainFrame::askToSave(TextView prompt) {
    switch (MessageBoxW(window_, win::wide(prompt).c_str(), L"Quillstone",
                        MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
        case IDYES:
            return SaveAnswer::Yes;
        case IDNO:
            return SaveAnswer::No;
        default:
            return SaveAnswer::Cancel;
    }
}

std::optional<std::filesystem::path> CMainFrame::chooseFileToOpen() {
    return chooseSettingsFileToOpen(window_);
}

std::optional<std::filesystem::path> CMainFrame::chooseFileToSave(
    const std::filesystem::path& suggested) {
    return chooseSettingsFileToSave(window_, suggested);
}

void CMainFrame::showMessage(TextView message) {
    MessageBoxW(window_, win::wide(message).c_str(), L"Quillstone", MB_OK);
}

void CMainFrame::documentReady() {
    view_.OnInitialUpdate();
}

void CMainFrame::documentRenamed() {
    setFrameTitle(commands_.frameTitle());
    recentFiles_.save(profile_);
}

void CMainFrame::shrinkToFit(int formWidth, int formHeight) {
    layout();
    RECT frame{};
    RECT view{};
    GetWindowRect(window_, &frame);
    GetWindowRect(view_.handle(), &view);
    const Size fitted =
        frameSizeToFit({frame.right - frame.left, frame.bottom - frame.top},
                       {view.right - view.left, view.bottom - view.top}, {formWidth, formHeight});
    SetWindowPos(window_, nullptr, 0, 0, fitted.width, fitted.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainFrame::storePlacement() {
    RECT frame{};
    GetWindowRect(window_, &frame);
    app::storePlacement(profile_, {frame.left, frame.top, frame.right, frame.bottom});
}

void CMainFrame::setFrameTitle(TextView title) {
    SetWindowTextW(window_, win::wide(title).c_str());
}

void CMainFrame::setStatusText(TextView text) {
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(win::wide(text).c_str()));
}

}  // namespace qs::app
