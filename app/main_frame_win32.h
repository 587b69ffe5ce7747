#pragma once
// The main frame: window class "hWndQuillstone", caption, system menu,
// sizing border and minimise box (no maximise box), placed where it was
// last closed. It holds the menu bar, a toolbar, the status bar and the
// operating screen, runs the document commands and routes the menu
// commands.

#include <windows.h>

#include "app/document_commands.h"
#include "app/profile.h"
#include "app/recent_file_list.h"
#include "ui/quillstone_view_win32.h"

namespace qs::app {

class CMainFrame : private DocumentUi, private ui::ViewFrame {
public:
    CMainFrame(settings::SettingsRecord& document, Profile& profile, RecentFileList& recentFiles);
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Creates the frame, hidden, with its bars and the view.
    bool create();
    void show(int showCommand);
    HWND handle() const { return window_; }
    DocumentCommands& commands() { return commands_; }

    // Keyboard messages before they are dispatched: the view's keys, the
    // accelerators, then moving between the form's controls.
    bool preTranslateMessage(MSG& message, HACCEL accelerators);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handleMessage(UINT message, WPARAM w, LPARAM l);

    bool createBars();
    void layout();
    void onCommand(int id);
    void onInitMenuPopup(HMENU menu);
    void fillRecentFiles(HMENU fileMenu);
    void onClose();
    void onDropFiles(HDROP drop);
    void openHelpDocument(int id);
    void updateKeyIndicators();
    LRESULT onNotify(NMHDR& header);

    // DocumentUi
    SaveAnswer askToSave(TextView prompt) override;
    std::optional<std::filesystem::path> chooseFileToOpen() override;
    std::optional<std::filesystem::path> chooseFileToSave(
        const std::filesystem::path& suggested) override;
    void showMessage(TextView message) override;
    void documentReady() override;
    void documentRenamed() override;

    // ViewFrame
    HWND frameHandle() const override { return window_; }
    void shrinkToFit(int formWidth, int formHeight) override;
    void storePlacement() override;
    void setFrameTitle(TextView title) override;
    void setStatusText(TextView text) override;

    Profile& profile_;
    RecentFileList& recentFiles_;
    HWND window_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND statusBar_ = nullptr;
    ui::CQuillstoneView view_;
    DocumentCommands commands_;
};

}  // namespace qs::app
