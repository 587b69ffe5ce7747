#include "ui/macro_editor_dialog_win32.h"

#include "ui/controls_win32.h"
#include "ui/dialog_resources_win32.h"

namespace qs::ui {

namespace mc = macro_control;

bool CMacro::runMacroEditor(MacroEditorFields& fields) {
    fields_ = &fields;
    const bool ok = runModal(IDD_EDIT_MACRO);
    fields_ = nullptr;
    return ok;
}

INT_PTR CMacro::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog();
            return FALSE;  // the focus was put into the text edit
        case WM_COMMAND:
            onCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
            return TRUE;
        case WM_CTLCOLOREDIT:
            return onCtlColorEdit(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
        default:
            return FALSE;
    }
}

void CMacro::onInitDialog() {
    win::Window(item(mc::kText)).setText(fields_->text);
    win::Window(item(mc::kCaption)).setText(fields_->caption);
    win::Window(item(mc::kTitle)).setText(fields_->title);
    win::Window(item(mc::kColour)).setText(fields_->colourText);
    const win::ComboBox tags(item(mc::kTagList));
    for (const char16_t* tag : kMacroTagItems) tags.add(tag);
    const win::ComboBox speedTags(item(mc::kSpeedTagList));
    for (const char16_t* tag : kSpeedTagItems) speedTags.add(tag);
    tags.setText(kMacroTagItems[0]);
    speedTags.setText(kSpeedTagItems[0]);
    currentColour_ = captionColourOf(fields_->colourText);
    win::Window(item(mc::kCaption)).invalidate();
    SetFocus(item(mc::kText));
}

void CMacro::onCommand(int id, int code, HWND control) {
    switch (id) {
        case IDOK:
            fields_->text = win::Window(item(mc::kText)).text();
            fields_->caption = win::Window(item(mc::kCaption)).text();
            fields_->colourText = win::Window(item(mc::kColour)).text();
            EndDialog(dialog_, IDOK);
            return;
        case IDCANCEL:
            EndDialog(dialog_, IDCANCEL);
            return;
        case mc::kCaptionButton:
            if (code == BN_CLICKED) onCaptionButton();
            return;
        case mc::kTagList:
        case mc::kSpeedTagList:
            if (code == CBN_SELCHANGE) insertTag(control);
            return;
        default:
            return;
    }
}

// The chosen tag replaces the text edit's selection, not undoable.
void CMacro::insertTag(HWND list) {
    const win::ComboBox combo(list);
    const int chosen = combo.selection();
    if (chosen < 0) return;
    const Text tag = tagToInsert(combo.itemText(chosen));
    const HWND text = item(mc::kText);
    SendMessageW(text, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(win::wide(tag).c_str()));
    SetFocus(text);
}

void CMacro::onCaptionButton() {
    const win::Window colour(item(mc::kColour));
    const Text next = nextCaptionColour(colour.text());
    colour.setText(next);
    currentColour_ = captionColourOf(next);
    win::Window(item(mc::kCaption)).invalidate();
}

INT_PTR CMacro::onCtlColorEdit(HDC dc, HWND edit) {
    if (GetDlgCtrlID(edit) != mc::kCaption) return FALSE;
    SetTextColor(dc, static_cast<COLORREF>(currentColour_));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}

}  // namespace qs::ui
