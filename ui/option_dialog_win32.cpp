#include "ui/option_dialog_win32.h"

#include <commctrl.h>

#include "ui/controls_win32.h"
#include "ui/dialog_resources_win32.h"

namespace qs::ui {

namespace oc = option_control;

namespace {

constexpr int kTextEdits[] = {oc::kMyCall, oc::kMyName, oc::kMyQth, oc::kOtherData};

void check(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

bool isGreetingEdit(int id) {
    return id == oc::kGreetingGm || id == oc::kGreetingGa || id == oc::kGreetingGe;
}

}  // namespace

bool COption::runOptionsDialog(OptionsValues& values) {
    values_ = &values;
    model_.emplace(values.optionText);
    const bool ok = runModal(IDD_OPTION_SET);
    values_ = nullptr;
    return ok;
}

INT_PTR COption::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog();
            return TRUE;
        case WM_COMMAND:
            onCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
            return TRUE;
        default:
            return FALSE;
    }
}

void COption::onInitDialog() {
    initialising_ = true;
    for (const int combo : kWeightCombos) {
        const WeightList& list = weightList(combo);
        for (int i = 0; i < list.count; ++i) win::ComboBox(item(combo)).add(list.entries[i]);
    }
    for (const GreetingSpin& spin : kGreetingSpins) {
        SendMessageW(item(spin.spinId), UDM_SETRANGE32, static_cast<WPARAM>(spin.low), spin.high);
    }
    for (size_t i = 0; i < 4; ++i) {
        const Text* texts[] = {&values_->myCall, &values_->myName, &values_->myQth,
                               &values_->otherData};
        win::Window(item(kTextEdits[i])).setText(*texts[i]);
    }
    showChoices(readOptionChoices(model_->optionText()));
    showOptionText();
    initialising_ = false;
}

void COption::showChoices(const OptionChoices& choices) {
    CheckRadioButton(dialog_, oc::kFontSmall, oc::kFontLarge, choices.fontButton);
    check(dialog_, oc::kRxEcho, choices.rxEcho);
    check(dialog_, oc::kSave, choices.save);
    check(dialog_, oc::kPaste, choices.paste);
    for (int i = 0; i < 4; ++i) win::ComboBox(item(kWeightCombos[i])).select(choices.weightIndex[i]);
    CheckRadioButton(dialog_, oc::kPttOff, oc::kPtt200, choices.pttLeadButton);
    check(dialog_, oc::kStop, choices.stop);
    check(dialog_, oc::kFiveNn, choices.fiveNn);
    for (int i = 0; i < 3; ++i) {
        SendMessageW(item(kGreetingSpins[i].spinId), UDM_SETPOS32, 0, choices.greeting[i]);
    }
    CheckRadioButton(dialog_, oc::kLogSoftHamLog, oc::kLogSoftLogger32,
                     choices.logSoftHamLog ? oc::kLogSoftHamLog : oc::kLogSoftLogger32);
    CheckRadioButton(dialog_, oc::kPttCtrlLines, oc::kPttCtrlHamLog,
                     choices.pttCtrlHamLog ? oc::kPttCtrlHamLog : oc::kPttCtrlLines);
    check(dialog_, oc::kModeCw, choices.modeCw);
    check(dialog_, oc::kModeA1a, choices.modeA1a);
}

// Enter in the dialog reaches it as OK; after one of the four text edits
// had the focus it moves on to the next instead.
void COption::onCommand(int id, int code, HWND control) {
    if (initialising_) return;
    if (id == IDOK) {
        const int next = model_->enterFocusTarget();
        if (next != 0 && (GetKeyState(VK_RETURN) & 0x8000) != 0) {
            SetFocus(item(next));
            return;
        }
        return onOk();
    }
    if (id == IDCANCEL) {
        EndDialog(dialog_, IDCANCEL);
        return;
    }
    if (code == EN_SETFOCUS) return model_->onEditFocus(id);
    if (isGreetingEdit(id) && (code == EN_KILLFOCUS || code == EN_CHANGE)) {
        model_->onGreetingChanged(id, spinPosition(id));
    } else if (code == CBN_SELCHANGE) {
        model_->onWeightChosen(id, win::ComboBox(control).selection());
    } else if (code == BN_CLICKED) {
        model_->onButtonClicked(id, win::Button(control).checked());
        // The linked choices (Log Soft and PTT Ctrl, CW and A1A) follow.
        const OptionChoices choices = readOptionChoices(model_->optionText());
        CheckRadioButton(dialog_, oc::kLogSoftHamLog, oc::kLogSoftLogger32,
                         choices.logSoftHamLog ? oc::kLogSoftHamLog : oc::kLogSoftLogger32);
        CheckRadioButton(dialog_, oc::kPttCtrlLines, oc::kPttCtrlHamLog,
                         choices.pttCtrlHamLog ? oc::kPttCtrlHamLog : oc::kPttCtrlLines);
        check(dialog_, oc::kModeCw, choices.modeCw);
        check(dialog_, oc::kModeA1a, choices.modeA1a);
    } else {
        return;
    }
    showOptionText();
}

void COption::onOk() {
    values_->optionText = model_->optionText();
    Text* texts[] = {&values_->myCall, &values_->myName, &values_->myQth, &values_->otherData};
    for (size_t i = 0; i < 4; ++i) *texts[i] = win::Window(item(kTextEdits[i])).text();
    EndDialog(dialog_, IDOK);
}

void COption::showOptionText() {
    win::Window(item(oc::kOptionText)).setText(model_->optionText());
}

int COption::spinPosition(int editId) const {
    for (const GreetingSpin& spin : kGreetingSpins) {
        if (spin.editId == editId) {
            return static_cast<int>(SendMessageW(item(spin.spinId), UDM_GETPOS32, 0, 0));
        }
    }
    return 0;
}

}  // namespace qs::ui
