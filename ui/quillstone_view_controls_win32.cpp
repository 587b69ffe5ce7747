// The view's controls: fonts, creation from the form layout, and the
// notifications they send, forwarded to the core.

#include <windows.h>

#include <richedit.h>

#include "ui/control_ids.h"
#include "ui/controls_win32.h"
#include "ui/quillstone_view_win32.h"
#include "ui/view_fields_win32.h"

namespace qs::ui {

namespace {

constexpr int kFormFontPoints = 8;
constexpr int kTextBoxPoints[3] = {12, 15, 19};  // small, normal, large

// Windows may answer for a missing face with a substitute; only a font that
// enumerates under the face's own name (or its Japanese name) counts.
constexpr wchar_t kMsGothicJapanese[] = L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF";  // ＭＳ ゴシック

struct FaceSearch {
    const wchar_t* face;
    bool found = false;
};

int CALLBACK noteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM search) {
    auto& wanted = *reinterpret_cast<FaceSearch*>(search);
    const bool gothic = lstrcmpiW(wanted.face, L"MS Gothic") == 0 &&
                        lstrcmpW(font->lfFaceName, kMsGothicJapanese) == 0;
    if (lstrcmpiW(font->lfFaceName, wanted.face) == 0 || gothic) wanted.found = true;
    return wanted.found ? 0 : 1;
}

bool faceInstalled(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    FaceSearch search{face};
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, &noteFace, reinterpret_cast<LPARAM>(&search), 0);
    ReleaseDC(nullptr, screen);
    return search.found;
}

// The first face of the list that is installed; a machine without any of
// them gets the system's font of the same pitch.
HFONT createFont(std::initializer_list<const wchar_t*> faces, int points, double dpiScaleY,
                 BYTE pitch) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(points * 96 * dpiScaleY / 72 + 0.5);
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = pitch;
    for (const wchar_t* face : faces) {
        if (!faceInstalled(face)) continue;
        lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
        break;
    }
    return CreateFontIndirectW(&font);
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

DWORD labelAlignment(const FormControl& control) {
    if (control.has(trait::kAlignRight)) return SS_RIGHT;
    if (control.has(trait::kAlignCenter)) return SS_CENTER;
    return SS_LEFT;
}

ControlClass labelClass(const FormControl& control) {
    if (control.has(trait::kScaleMarks)) return {L"STATIC", SS_OWNERDRAW, 0};
    if (control.has(trait::kMacroKey)) {
        return {L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, WS_EX_DLGMODALFRAME};
    }
    if (control.has(trait::kFramedValue)) {
        return {L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, WS_EX_STATICEDGE};
    }
    return {L"STATIC", labelAlignment(control) | SS_NOPREFIX, 0};
}

ControlClass classOf(const FormControl& control) {
    const DWORD upper = control.has(trait::kUpperCase) ? ES_UPPERCASE : 0;
    switch (control.kind) {
        case ControlKind::Button:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::Label:
            return labelClass(control);
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::Edit:
            return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | upper, WS_EX_CLIENTEDGE};
        case ControlKind::TextArea:
            return {L"EDIT",
                    ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP | upper,
                    WS_EX_CLIENTEDGE};
        case ControlKind::RichEdit:
            return {L"RichEdit20W",
                    ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_VSCROLL |
                        WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox:
            return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
        case ControlKind::ListBox:
            return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case ControlKind::Trackbar:
            return {TRACKBAR_CLASSW, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP, 0};
        case ControlKind::GroupBox:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::Display:
            return {L"STATIC", SS_LEFT, 0};
    }
    return {L"STATIC", SS_LEFT, 0};
}

}  // namespace

void CQuillstoneView::createFonts() {
    formFont_ = createFont({L"Meiryo UI", L"Segoe UI", L"Tahoma"}, kFormFontPoints, dpiScaleY_,
                           VARIABLE_PITCH | FF_SWISS);
    for (size_t i = 0; i < textBoxFonts_.size(); ++i) {
        textBoxFonts_[i] = createFont(
            {L"MS Gothic", L"Consolas", L"Courier New", L"Liberation Mono", L"DejaVu Sans Mono"},
            kTextBoxPoints[i], dpiScaleY_, FIXED_PITCH | FF_MODERN);
    }
}

void CQuillstoneView::createControls() {
    for (const FormControl& control : formControls()) {
        HWND created = createControl(control);
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), FALSE);
    }
    hisCallEdit_->attach(item(control::kHisCall));
    transmitEdit_->attach(item(control::kTransmitBox));
    levelCanvas_.attach(item(control::kLevelDisplay));
    spectrumCanvas_.attach(item(control::kSpectrumDisplay));
    soundDevices_.attach(item(control::kSoundDevice));
}

HWND CQuillstoneView::createControl(const FormControl& control) {
    const ControlClass type = classOf(control);
    FormRect place = scaleRect(control.rect, dpiScaleX_, dpiScaleY_);
    if (control.kind == ControlKind::ComboBox || control.kind == ControlKind::ListBox) {
        place.height += scaleCoordinate(kComboDropHeight, dpiScaleY_);
    }
    const DWORD visible = control.has(trait::kHiddenAtStart) ? 0 : WS_VISIBLE;
    return CreateWindowExW(type.extendedStyle, type.name, win::wide(control.caption).c_str(),
                           WS_CHILD | visible | type.style, place.left - scrollX_.position,
                           place.top - scrollY_.position, place.width, place.height, window_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void CQuillstoneView::setTextBoxFont(settings::TextBoxFont size) {
    const HFONT font = textBoxFonts_[static_cast<size_t>(size)];
    for (const int id : {control::kReceiveWindow, control::kTransmitBox}) {
        SendMessageW(item(id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void CQuillstoneView::onCommand(int id, int code, HWND sender) {
    if (!sender) return;  // Enter and Esc as the dialog navigation reports them
    if (code == EN_CHANGE && id == control::kTransmitBox) {
        transmitMirror_->onEditChanged();
        return;
    }
    if (onScreenCommand(id, code)) return;
    if (code == CBN_SELCHANGE && id == control::kSoundDevice) {
        core_.capture().onDeviceSelectionChanged();
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
        case control::kRxClear:
            core_.onRxClearButton();
            return;
        case control::kTxClear:
            core_.onTxClearButton();
            return;
        case control::kRxEqualsTx:
            core_.receiveControls().onRxEqualsTxClicked();
            return;
        default:
            onCheckBoxClicked(id, win::Button(sender).checked());
            return;
    }
}

void CQuillstoneView::onCheckBoxClicked(int id, bool checked) {
    rx::ReceiveControls& controls = core_.receiveControls();
    switch (id) {
        case control::kNoiseReduction1:
            return controls.onNoiseReduction1Clicked(checked);
        case control::kNoiseReduction2:
            return controls.onNoiseReduction2Clicked(checked);
        case control::kQrmFilter:
            return controls.onQrmFilterClicked(checked);
        case control::kToneAuto:
            return controls.onToneAutoClicked(checked);
        case control::kRxSpeedAuto:
            return controls.onRxSpeedAutoClicked(checked);
        case control::kAutoThreshold:
            return controls.onAutoThresholdClicked(checked);
        case control::kTxEditHold:
            core_.keyer().setTxEditHold(checked);
            return returnFocusToTransmitBox();
        default:
            return;
    }
}

// Every movement counts; the end of a drag repeats the last position.
void CQuillstoneView::onTrackbarMoved(HWND trackbar, int code) {
    if (code == TB_ENDTRACK) return;
    const int position = win::Trackbar(trackbar).position();
    switch (GetDlgCtrlID(trackbar)) {
        case control::kInputGainSlider:
            return core_.receiveControls().onInputGainMoved(position);
        case control::kRxSpeedSlider:
            return core_.receiveControls().onRxSpeedMoved(position);
        case control::kTxSpeedSlider:
            return core_.onTxSpeedMoved(position);
        default:
            return;
    }
}

}  // namespace qs::ui
