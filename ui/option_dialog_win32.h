#pragma once
// `COption`, the Options dialog ("Option Set", template 310): every control
// writes its position of the working option string at once; OK hands the
// string and the four station texts back.

#include <windows.h>

#include <optional>

#include "ui/option_dialog.h"
#include "ui/options_command.h"

namespace qs::ui {

class COption : public OptionsDialog {
public:
    // The dialog is owned by this window, the frame.
    void setOwner(HWND owner) { owner_ = owner; }

    bool runOptionsDialog(OptionsValues& values) override;

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l);
    INT_PTR handle(UINT message, WPARAM w, LPARAM l);
    void onInitDialog();
    void showChoices(const OptionChoices& choices);
    void onCommand(int id, int code, HWND control);
    void onOk();
    void showOptionText();
    int spinPosition(int editId) const;
    HWND item(int id) const { return GetDlgItem(dialog_, id); }

    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;
    OptionsValues* values_ = nullptr;
    std::optional<OptionDialogModel> model_;
    bool initialising_ = false;
};

}  // namespace qs::ui
