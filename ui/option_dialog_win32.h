#pragma once
// `COption`, the Options dialog ("Option Set", template 310): every control
// writes its position of the working option string at once; OK hands the
// string and the four station texts back.

#include <windows.h>

#include <optional>

#include "ui/option_dialog.h"
#include "ui/options_command.h"
#include "ui/modal_dialog_win32.h"

namespace qs::ui {

class COption : public OptionsDialog, public ModalDialog {
public:
    bool runOptionsDialog(OptionsValues& values) override;

private:
    INT_PTR handle(UINT message, WPARAM w, LPARAM l) override;
    void onInitDialog();
    void showChoices(const OptionChoices& choices);
    void onCommand(int id, int code, HWND control);
    void onOk();
    void showOptionText();
    int spinPosition(int editId) const;

    OptionsValues* values_ = nullptr;
    std::optional<OptionDialogModel> model_;
    bool initialising_ = false;
};

}  // namespace qs::ui
