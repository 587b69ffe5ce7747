#pragma once
// The operating screen on Windows: a child window that fills the frame's
// client area and holds every control of the form. It implements the core's
// platform interfaces over those controls and forwards their notifications
// to the core (ui/view_core.h), which makes every decision.
//
// Defined across files by concern: quillstone_view_win32.cpp (window,
// messages, scrolling), ..._lifecycle (initial update and shutdown),
// ..._controls (creation and notifications), ..._interfaces (what the core
// calls, menu commands), ..._colours (colours and drawn labels).

#include <windows.h>

#include <richedit.h>

#include <array>
#include <memory>

#include "common/clock.h"
#include "rx/audio_capture_win32.h"
#include "rx/capture_controls_win32.h"
#include "rx/display_canvas_win32.h"
#include "settings/settings_view.h"
#include "tx/keyer_timer_win32.h"
#include "tx/serial_device_win32.h"
#include "tx/usb_keyer_library_win32.h"
#include "tx/window_title.h"
#include "ui/deferred_hamlog_ptt.h"
#include "ui/form_layout.h"
#include "ui/form_scroll.h"
#include "ui/screen_links.h"
#include "ui/transmit_box_mirror.h"
#include "ui/ui_call_queue.h"
#include "ui/view_core.h"

namespace qs::ui {

class ScreenControls;
class OperatingScreen;
class ViewLoggingLinks;
class COption;
class CMacro;
struct ScreenPlatform;

// The frame around the view, as the view needs it.
class ViewFrame {
public:
    virtual ~ViewFrame() = default;
    virtual HWND frameHandle() const = 0;
    // Lays out the frame's bars and the view, then makes the frame smaller
    // where the view is larger than the form; it never grows (a smaller
    // frame scrolls the form).
    virtual void shrinkToFit(int formWidth, int formHeight) = 0;
    // The frame's rectangle to the registry unless it is minimised.
    virtual void storePlacement() = 0;
    virtual void setFrameTitle(TextView title) = 0;
    virtual void setStatusText(TextView text) = 0;
};

class CQuillstoneView : private ViewHost,
                        private rx::ReceiveWindow,
                        private settings::ReceiveWindowText,
                        private rx::ReceiveForm,
                        private rx::ReceiveIndicators,
                        private MacroLabels,
                        private settings::LoggingProgram,
                        private settings::TransmitSpeedControl,
                        private settings::SettingsForm,
                        private tx::KeyingPortView,
                        private tx::KeyerView,
                        private tx::TitleSources {
public:
    // Posted when the worker threads have queued something to show.
    static constexpr UINT kUiEventsMessage = WM_APP + 1;
    // Posted by the keying engine's <VK_F6> (wParam 0) and <VK_F7> (1) tags.
    static constexpr UINT kLoggingTagMessage = WM_APP + 20;

    CQuillstoneView(ViewFrame& frame, settings::SettingsRecord& document);
    ~CQuillstoneView() override;
    CQuillstoneView(const CQuillstoneView&) = delete;
    CQuillstoneView& operator=(const CQuillstoneView&) = delete;

    bool create(HWND parent);
    HWND handle() const { return window_; }

    // Each time a document has been created or opened.
    void OnInitialUpdate();

    // The key pre-translation of the operating screen, before accelerators
    // and dialog navigation; true when the key was handled.
    bool preTranslateKey(MSG& message);
    // Tab navigation between the form's controls.
    bool isDialogMessage(MSG& message);

    // Menu commands of the view and their menu states.
    bool onMenuCommand(int commandId);
    bool commandEnabled(int commandId) const;
    bool commandChecked(int commandId) const;

    // The frame was deactivated or activated: the focused control is kept.
    void rememberFocus();
    void restoreFocus();

    ViewCore& core() { return core_; }

private:
    class HisCallEdit;
    class TransmitEdit;
    class TagTarget;

    ViewPlatform platform();
    // Runs `call` at once on the user-interface thread, else queues it there.
    void onUiThread(UiCallQueue::Call call);
    bool isUiThread() const { return GetCurrentThreadId() == uiThreadId_; }
    // The transmit keys (F9, F12, Shift+Esc) and the release of any key.
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handleMessage(UINT message, WPARAM w, LPARAM l);

    // quillstone_view_screen_win32.cpp: keys, contact fields, macros, options
    ScreenPlatform screenPlatform();
    bool onScreenCommand(int id, int code);
    void onScreenMouse(UINT message, int x, int y);
    void onLoggingTag(WPARAM tag);

    // quillstone_view_win32.cpp
    void onSize(int clientWidth, int clientHeight);
    void updateScrollBars();
    void onScroll(int bar, int code);
    void scrollTo(int x, int y);
    void onLeftButtonDown(int x, int y);
    double measureDpiScale(int axis) const;

    // quillstone_view_lifecycle_win32.cpp
    void oneTimeSetup() override;
    void setUpReceiveBox();
    void setUpLists();
    void setUpSpeedTrackbars();
    void setUpInputVolume();
    void startKeyerTimer();
    void onDestroy();
    void emptyReceiveWindow() override;
    void copyReceivedTextAndOpenWordPad() override;
    void storeFramePlacement() override;
    void stopKeyerTimer() override;

    // quillstone_view_controls_win32.cpp
    void createControls();
    HWND createControl(const FormControl& control);
    void createFonts();
    void setTextBoxFont(settings::TextBoxFont size) override;
    void onCommand(int id, int code, HWND control);
    void onCheckBoxClicked(int id, bool checked);
    void onTrackbarMoved(HWND trackbar, int code);
    HWND item(int id) const { return GetDlgItem(window_, id); }

    // quillstone_view_colours_win32.cpp
    LRESULT onCtlColorStatic(HDC dc, HWND control);
    void drawScaleMarks(const DRAWITEMSTRUCT& item);

    // quillstone_view_interfaces_win32.cpp
    void moveCaretToEnd() override;
    void applyFormat(rx::TextFormat format) override;
    void insertText(TextView text) override;
    Text allText() const override;
    void setChecked(int controlId, bool checked) override;
    void showScale(bool upper) override;
    Text rxSpeedLabel() const override;
    void returnFocusToTransmitBox() override;
    void showRxSpeed(int charsPerMinute) override;
    void moveRxSpeedSlider(int speedIndex) override;
    void showThreshold(int thresholdDb) override;
    void showTone(int toneBin) override;
    void setLabelCaption(int macro, TextView caption) override;
    void repaintLabel(int macro) override;
    bool logSoftIsHamLog() const override { return logSoftIsHamLog_; }
    void setLogSoftIsHamLog(bool hamLog) override { logSoftIsHamLog_ = hamLog; }
    bool logger32Connected() const override;
    void startLogger32Search() override;
    void stopLogger32Search() override;
    void setTxSpeedPosition(int position) override;
    void focusTxSpeedControl() override;
    void showMessage(TextView text) override;
    void setInputGainPosition(int position) override;
    void focusTransmitEdit() override;
    void setPortLabel(TextView text) override;
    bool captureRunning() const override;
    void refreshWindowTitle() override;
    void setTxSpeedLabel(TextView text) override;
    void setTxEditChecked(bool checked) override;
    void stopAutoCq() override;
    Text myCall() const override;
    Text myName() const override;
    Text documentTag() const override;
    bool hamLogWindowFound() override;
    bool findLogger32Window() override;
    void restartLogger32Poll() override;
    void setWindowTitle(TextView title) override;

    ViewFrame& frame_;
    HWND window_ = nullptr;

    // Fonts: the form's own, then the text boxes' small, normal and large.
    HFONT formFont_ = nullptr;
    std::array<HFONT, 3> textBoxFonts_{};
    // Receive box formats: received, sent, notice.
    std::array<CHARFORMAT2W, 3> formats_{};

    double dpiScaleX_ = 1.0;
    double dpiScaleY_ = 1.0;
    ScrollAxis scrollX_;
    ScrollAxis scrollY_;
    HWND focusBeforeDeactivation_ = nullptr;

    bool logSoftIsHamLog_ = false;

    // The receive audio: the capture thread draws the displays and feeds
    // the core's receive chain; the core's capture session runs the rest.
    // The controls are attached once they exist.
    rx::GdiDisplayCanvas levelCanvas_;
    rx::GdiDisplayCanvas spectrumCanvas_;
    rx::SoundDeviceComboBox soundDevices_;
    rx::WindowsCaptureDesktop desktop_{nullptr, u"Quillstone"};
    rx::DirectSoundCapture directSound_;
    std::unique_ptr<HisCallEdit> hisCallEdit_;
    std::unique_ptr<TransmitEdit> transmitEdit_;
    std::unique_ptr<TransmitBoxMirror> transmitMirror_;
    std::unique_ptr<TagTarget> tagTarget_;
    // The keying engine's tick runs on its own thread; what it asks of the
    // windows is queued here and run on the user-interface thread.
    tx::ThreadKeyerTimer keyerTimer_;
    UiCallQueue uiCalls_;
    DWORD uiThreadId_ = 0;
    tx::WindowsSerialDevice serialDevice_;
    tx::WindowsUsbKeyerLibrary usbLibrary_;
    DeferredHamLogPtt hamLog_;
    SystemClock clock_;

    ViewCore core_;

    // The operating screen's commands over the core.
    std::unique_ptr<ScreenControls> screenControls_;
    std::unique_ptr<COption> optionDialog_;
    std::unique_ptr<CMacro> macroEditor_;
    std::unique_ptr<ViewLoggingLinks> loggingLinks_;
    std::unique_ptr<OperatingScreen> screen_;
};

}  // namespace qs::ui
