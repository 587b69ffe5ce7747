#pragma once
// `CMacro`, the macro editor ("Edit macro", template 311): the text with its
// two tag lists, the caption drawn in the colour the label will have, and
// the "Caption" button that steps through the six colours.

#include <windows.h>

#include <cstdint>

#include "ui/macro_editor.h"

namespace qs::ui {

class CMacro : public MacroEditorDialog {
public:
    // The dialog is owned by this window, the frame.
    void setOwner(HWND owner) { owner_ = owner; }

    bool runMacroEditor(MacroEditorFields& fields) override;

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l);
    INT_PTR handle(UINT message, WPARAM w, LPARAM l);
    void onInitDialog();
    void onCommand(int id, int code, HWND control);
    void insertTag(HWND list);
    void onCaptionButton();
    INT_PTR onCtlColorEdit(HDC dc, HWND edit);
    HWND item(int id) const { return GetDlgItem(dialog_, id); }

    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;
    MacroEditorFields* fields_ = nullptr;
    std::uint32_t currentColour_ = 0;
};

}  // namespace qs::ui
