// The view's window: creation, message dispatch, size and scrolling, clicks.

#include "ui/quillstone_view_win32.h"

#include <windowsx.h>

#include "ui/control_ids.h"
#include "ui/logging_links_win32.h"
#include "ui/macro_editor_dialog_win32.h"
#include "ui/operating_screen.h"
#include "ui/option_dialog_win32.h"
#include "ui/screen_controls_win32.h"
#include "ui/view_fields_win32.h"

namespace qs::ui {

namespace {

constexpr wchar_t kViewClass[] = L"QuillstoneView";

void registerViewClass(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, kViewClass, &windowClass)) return;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kViewClass;
    RegisterClassExW(&windowClass);
}

}  // namespace

CQuillstoneView::CQuillstoneView(ViewFrame& frame, settings::SettingsRecord& document)
    : frame_(frame),
      hisCallEdit_(std::make_unique<HisCallEdit>()),
      transmitEdit_(std::make_unique<TransmitEdit>()),
      transmitMirror_(std::make_unique<TransmitBoxMirror>(*transmitEdit_)),
      tagTarget_(std::make_unique<TagTarget>(*this)),
      uiThreadId_(GetCurrentThreadId()),
      core_(platform(), document),
      screenControls_(std::make_unique<ScreenControls>(frame)),
      optionDialog_(std::make_unique<COption>()),
      macroEditor_(std::make_unique<CMacro>()),
      loggingLinks_(std::make_unique<ViewLoggingLinks>(
          ViewLoggingParts{*screenControls_, core_, *this, *this, clock_})),
      screen_(std::make_unique<OperatingScreen>(screenPlatform(), core_)) {
    hamLog_.attach(loggingLinks_->hamLogPtt());
}

// The view itself implements most of the core's platform interfaces; the
// rest are members. Everything referred to here exists before core_.
ViewPlatform CQuillstoneView::platform() {
    return {
        *this,            // host
        *this,            // receiveWindow
        *this,            // receiveWindowText
        *this,            // receiveForm
        *this,            // indicators
        *hisCallEdit_,    // hisCall
        levelCanvas_,     // levelCanvas
        spectrumCanvas_,  // spectrumCanvas
        *this,            // macroLabels
        soundDevices_,    // soundDevices
        directSound_,     // captureBackend
        desktop_,         // captureDesktop
        *this,            // loggingProgram
        *this,            // txSpeed
        *this,            // form
        *this,            // portView
        serialDevice_,    // serial
        usbLibrary_,      // usb
        keyerTimer_,      // keyerTimer
        *transmitMirror_, // transmitBox
        hamLog_,          // hamLog
        *this,            // keyerView
        *tagTarget_,      // tagTarget
        clock_,           // clock
    };
}

// The capture thread has normally stopped with the window; if the window
// never saw its end, it stops here, before the receive chain it feeds goes.
CQuillstoneView::~CQuillstoneView() {
    core_.capture().stopCapture();
    for (HFONT font : textBoxFonts_) {
        if (font) DeleteObject(font);
    }
    if (formFont_) DeleteObject(formFont_);
}

bool CQuillstoneView::create(HWND parent) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerViewClass(instance, &windowProc);
    desktop_.attach(parent);
    dpiScaleX_ = measureDpiScale(LOGPIXELSX);
    dpiScaleY_ = measureDpiScale(LOGPIXELSY);
    createFonts();
    if (!CreateWindowExW(0, kViewClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                         instance, this)) {
        return false;
    }
    core_.setUiWake([window = window_] { PostMessageW(window, kUiEventsMessage, 0, 0); });
    uiCalls_.setWake([window = window_] { PostMessageW(window, kUiEventsMessage, 0, 0); });
    createControls();
    screenControls_->attach(window_);
    loggingLinks_->attach(window_, parent);
    optionDialog_->setOwner(parent);
    macroEditor_->setOwner(parent);
    return true;
}

LRESULT CALLBACK CQuillstoneView::windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* view =
            static_cast<CQuillstoneView*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        view->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
    auto* view = reinterpret_cast<CQuillstoneView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!view) return DefWindowProcW(window, message, w, l);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        view->window_ = nullptr;
        return DefWindowProcW(window, message, w, l);
    }
    return view->handleMessage(message, w, l);
}

LRESULT CQuillstoneView::handleMessage(UINT message, WPARAM w, LPARAM l) {
    if (const auto handled = loggingLinks_->handleMessage(message, w, l)) return *handled;
    switch (message) {
        case kUiEventsMessage:
            core_.drainUiEvents();
            uiCalls_.runPending();
            return 0;
        case WM_SIZE:
            onSize(LOWORD(l), HIWORD(l));
            return 0;
        case WM_HSCROLL:
            if (l) {
                onTrackbarMoved(reinterpret_cast<HWND>(l), LOWORD(w));
            } else {
                onScroll(SB_HORZ, LOWORD(w));
            }
            return 0;
        case WM_VSCROLL:
            onScroll(SB_VERT, LOWORD(w));
            return 0;
        case WM_COMMAND:
            onCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
            return 0;
        case WM_CTLCOLORSTATIC:
            return onCtlColorStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
        case WM_DRAWITEM:
            drawScaleMarks(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
            return TRUE;
        case WM_LBUTTONDOWN:
            onLeftButtonDown(GET_X_LPARAM(l), GET_Y_LPARAM(l));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_MOUSEHOVER:
        case WM_MOUSELEAVE:
            onScreenMouse(message, GET_X_LPARAM(l), GET_Y_LPARAM(l));
            return 0;
        case kLoggingTagMessage:
            onLoggingTag(w);
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        default:
            return DefWindowProcW(window_, message, w, l);
    }
}

void CQuillstoneView::onUiThread(UiCallQueue::Call call) {
    if (isUiThread()) {
        call();
    } else {
        uiCalls_.post(std::move(call));
    }
}

bool CQuillstoneView::isDialogMessage(MSG& message) {
    return window_ && IsDialogMessageW(window_, &message);
}

void CQuillstoneView::rememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focusBeforeDeactivation_ = focus;
}

void CQuillstoneView::restoreFocus() {
    HWND target = focusBeforeDeactivation_;
    if (!target || !IsWindow(target)) target = item(control::kTransmitBox);
    SetFocus(target);
}

double CQuillstoneView::measureDpiScale(int axis) const {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dotsPerInch / 96.0;
}

// The form keeps its size; a view smaller than the form scrolls it. The
// bars are decided from the view's outer size, so that bars shown while the
// view was small do not stay once it is large enough.
void CQuillstoneView::onSize(int clientWidth, int clientHeight) {
    core_.onSize(clientWidth, clientHeight);
    RECT outer{};
    GetWindowRect(window_, &outer);
    scrollX_.formExtent = scaleCoordinate(kFormDesignWidth, dpiScaleX_);
    scrollY_.formExtent = scaleCoordinate(kFormDesignHeight, dpiScaleY_);
    const ScrollLayout bars = scrollLayout(
        outer.right - outer.left, outer.bottom - outer.top, scrollX_.formExtent,
        scrollY_.formExtent, GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
    scrollX_.clientExtent = bars.clientWidth;
    scrollY_.clientExtent = bars.clientHeight;
    scrollTo(scrollX_.clamped(scrollX_.position), scrollY_.clamped(scrollY_.position));
    updateScrollBars();
}

void CQuillstoneView::updateScrollBars() {
    for (const auto& [bar, axis] : {std::pair{SB_HORZ, &scrollX_}, std::pair{SB_VERT, &scrollY_}}) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = axis->formExtent - 1;
        info.nPage = static_cast<UINT>(axis->clientExtent);
        info.nPos = axis->position;
        SetScrollInfo(window_, bar, &info, TRUE);
    }
}

void CQuillstoneView::onScroll(int bar, int code) {
    ScrollAxis& axis = bar == SB_HORZ ? scrollX_ : scrollY_;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(window_, bar, &info);
    ScrollRequest request;
    switch (code) {
        case SB_LINEUP:
            request = ScrollRequest::LineBack;
            break;
        case SB_LINEDOWN:
            request = ScrollRequest::LineForward;
            break;
        case SB_PAGEUP:
            request = ScrollRequest::PageBack;
            break;
        case SB_PAGEDOWN:
            request = ScrollRequest::PageForward;
            break;
        case SB_TOP:
            request = ScrollRequest::ToStart;
            break;
        case SB_BOTTOM:
            request = ScrollRequest::ToEnd;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            request = ScrollRequest::ToThumb;
            break;
        default:
            return;
    }
    const int target = axis.target(request, info.nTrackPos);
    if (bar == SB_HORZ) {
        scrollTo(target, scrollY_.position);
    } else {
        scrollTo(scrollX_.position, target);
    }
    updateScrollBars();
}

void CQuillstoneView::scrollTo(int x, int y) {
    const int dx = scrollX_.position - x;
    const int dy = scrollY_.position - y;
    scrollX_.position = x;
    scrollY_.position = y;
    if (dx != 0 || dy != 0) {
        ScrollWindowEx(window_, dx, dy, nullptr, nullptr, nullptr, nullptr,
                       SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    }
}

// Clicks are passed on in form pixels, so that the click areas stay on the
// displays however the form is scrolled.
void CQuillstoneView::onLeftButtonDown(int x, int y) {
    if (core_.onLeftClick(x + scrollX_.position, y + scrollY_.position)) return;
    onScreenMouse(WM_LBUTTONDOWN, x, y);
}

}  // namespace qs::ui
