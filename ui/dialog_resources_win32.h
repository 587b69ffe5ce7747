// Dialog templates of the operating screen, shared by the resource script
// and the dialogs' code. Plain #defines: the resource compiler reads this
// file too. The control ids inside them are in option_dialog.h and
// macro_editor.h.
#pragma once

#define IDD_OPTION_SET 310
#define IDD_EDIT_MACRO 311
