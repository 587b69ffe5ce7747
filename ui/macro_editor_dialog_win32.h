#pragma once
// `CMacro`, the macro editor ("Edit macro", template 311): the text with its
// two tag lists, the caption drawn in the colour the label will have, and
// the "Caption" button that steps through the six colours.

#include <windows.h>

#include <cstdint>

#include "ui/macro_editor.h"
#include "ui/modal_dialog_win32.h"

namespace qs::ui {

class CMacro : public MacroEditorDialog, public ModalDialog {
public:
    bool runMacroEditor(MacroEditorFields& fields) override;

private:
    INT_PTR handle(UINT message, WPARAM w, LPARAM l) override;
    void onInitDialog();
    void onCommand(int id, int code, HWND control);
    void insertTag(HWND list);
    void onCaptionButton();
    INT_PTR onCtlColorEdit(HDC dc, HWND edit);

    MacroEditorFields* fields_ = nullptr;
    std::uint32_t currentColour_ = 0;
};

}  // namespace qs::ui
