// The operating screen's commands on the view: the platform they run on,
// and the notifications of the contact fields, the receive window, the
// command buttons and the mouse, forwarded to them.

#include <windows.h>

#include "ui/control_ids.h"
#include "ui/logging_links_win32.h"
#include "ui/macro_editor_dialog_win32.h"
#include "ui/operating_screen.h"
#include "ui/option_dialog_win32.h"
#include "ui/quillstone_view_win32.h"
#include "ui/screen_controls_win32.h"

namespace qs::ui {

ScreenPlatform CQuillstoneView::screenPlatform() {
    return {
        *screenControls_,  // form
        *screenControls_,  // receiveWindow
        *screenControls_,  // mouse
        *macroEditor_,     // macroEditor
        *optionDialog_,    // optionsDialog
        loggingLinks_->link(),  // link
        *this,             // loggingProgram
        *this,             // txSpeed
        *this,             // keyerView
        *this,             // settingsForm
        clock_,            // clock
    };
}

// True when the notification belongs to the operating screen.
bool CQuillstoneView::onScreenCommand(int id, int code) {
    ContactFields& contacts = screen_->contacts();
    if (ContactFields::isContactField(id)) {
        if (code == EN_SETFOCUS) contacts.onFieldFocus(id);
        if (code == EN_KILLFOCUS) contacts.onFieldBlur(id);
        if (code == EN_CHANGE && id == control::kHisCall) contacts.onHisCallChanged();
        return code == EN_SETFOCUS || code == EN_KILLFOCUS || code == EN_CHANGE;
    }
    if (id == control::kReceiveWindow && (code == EN_SETFOCUS || code == EN_KILLFOCUS)) {
        if (code == EN_SETFOCUS) contacts.onReceiveWindowFocus();
        if (code == EN_KILLFOCUS) contacts.onReceiveWindowBlur();
        return true;
    }
    if (id == control::kTransmitBox && (code == EN_SETFOCUS || code == EN_KILLFOCUS)) {
        screen_->onTransmitBoxFocusChange();
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
        case control::kClear:
            screen_->keys().clearCommand();
            break;
        case control::kQso:
            screen_->keys().qsoCommand(false);
            break;
        case control::kSave:
            screen_->keys().saveCommand();
            break;
        default:
            return false;
    }
    returnFocusToTransmitBox();
    return true;
}

void CQuillstoneView::onLoggingTag(WPARAM tag) {
    if (tag == 0) {
        screen_->keys().qsoCommand(true);
    } else {
        loggingLinks_->link().saveQsoReportingInline();
    }
}

// Mouse positions are passed on in form pixels, as the click areas are.
void CQuillstoneView::onScreenMouse(UINT message, int x, int y) {
    const int formX = x + scrollX_.position;
    const int formY = y + scrollY_.position;
    MacroSender& sender = screen_->macroSender();
    switch (message) {
        case WM_LBUTTONDOWN:
            sender.onMacroClick(formX, formY, core_.formScale(), core_.fieldFocusLatch());
            return;
        case WM_LBUTTONUP:
            sender.onLeftButtonUp();
            return;
        case WM_RBUTTONDOWN:
            screen_->macroEditing().onEditMacro(formX, formY, core_.formScale());
            return;
        case WM_MOUSEMOVE:
            sender.onMouseMove(formX, formY, core_.formScale());
            return;
        case WM_MOUSEHOVER:
            sender.onMouseHover();
            return;
        case WM_MOUSELEAVE:
            sender.onMouseLeave();
            return;
        default:
            return;
    }
}

}  // namespace qs::ui
