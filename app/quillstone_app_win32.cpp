// The application: start-up, the message loop and the end.

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <memory>

#include "app/command_line.h"
#include "app/main_frame_win32.h"
#include "app/registry_profile_win32.h"
#include "app/resource_win32.h"
#include "app/shell_registration_win32.h"
#include "ui/controls_win32.h"

namespace qs::app {

class CQuillstoneApp {
public:
    int run(int showCommand);

private:
    bool InitInstance(int showCommand);
    bool openFirstDocument();
    int messageLoop();
    void ExitInstance();
    void showStartupFailure(UINT stringId);

    RegistryProfile profile_;
    settings::SettingsRecord document_;
    RecentFileList recentFiles_;
    std::unique_ptr<CMainFrame> frame_;
    HACCEL accelerators_ = nullptr;
    HMODULE richEdit_ = nullptr;
    bool oleInitialised_ = false;
};

int CQuillstoneApp::run(int showCommand) {
    const bool started = InitInstance(showCommand);
    const int exitCode = started ? messageLoop() : 1;
    ExitInstance();
    return exitCode;
}

bool CQuillstoneApp::InitInstance(int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (FAILED(OleInitialize(nullptr))) {
        showStartupFailure(IDS_OLE_INIT_FAILED);
        return false;
    }
    oleInitialised_ = true;
    richEdit_ = LoadLibraryW(L"riched20.dll");
    recentFiles_.load(profile_);
    accelerators_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));

    frame_ = std::make_unique<CMainFrame>(document_, profile_, recentFiles_);
    if (!frame_->create()) return false;
    registerFileAssociation();
    if (!openFirstDocument()) {
        DestroyWindow(frame_->handle());
        return false;
    }
    frame_->show(showCommand);
    return true;
}

// A new document, or the one named on the command line. Its settings are
// applied only when a document is opened or created later.
bool CQuillstoneApp::openFirstDocument() {
    const std::optional<Text> named = documentFromCommandLine(win::fromWide(GetCommandLineW()));
    if (!named) return frame_->commands().newDocument();
    return frame_->commands().openDocument(std::filesystem::path(*named)) == OpenOutcome::Opened;
}

int CQuillstoneApp::messageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (frame_->preTranslateMessage(message, accelerators_)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void CQuillstoneApp::ExitInstance() {
    frame_.reset();
    if (richEdit_) FreeLibrary(richEdit_);
    if (oleInitialised_) OleUninitialize();
}

void CQuillstoneApp::showStartupFailure(UINT stringId) {
    wchar_t text[256] = {};
    LoadStringW(GetModuleHandleW(nullptr), stringId, text, 256);
    MessageBoxW(nullptr, text, L"Quillstone", MB_OK | MB_ICONSTOP);
}

}  // namespace qs::app

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    qs::app::CQuillstoneApp app;
    return app.run(showCommand);
}
