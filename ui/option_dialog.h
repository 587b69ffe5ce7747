#pragma once
// The Options dialog's logic ("Option Set"): how the controls show the
// option string, and how each control writes its position(s) of the working
// copy as soon as it is clicked or changed, so that the string returned on
// OK is that copy. Position 21 is never written. The Enter key cycles
// through the four text edits of the own station data.

#include "common/text.h"

namespace qs::ui {

namespace option_control {

inline constexpr int kFontSmall = 1045;
inline constexpr int kFontNormal = 1046;
inline constexpr int kFontLarge = 1047;
inline constexpr int kRxEcho = 1020;  // "RX>"
inline constexpr int kSave = 1067;
inline constexpr int kPaste = 1023;
inline constexpr int kDot = 1032;
inline constexpr int kDash = 1033;
inline constexpr int kCharSpace = 1034;
inline constexpr int kWordSpace = 1035;
inline constexpr int kPttOff = 1051;  // then 25, 50, 100 and 200 ms: 1052 to 1055
inline constexpr int kPtt200 = 1055;
inline constexpr int kStop = 1024;
inline constexpr int kFiveNn = 1021;
inline constexpr int kGreetingGm = 1029;  // read-only number edits with spins 1048 to 1050
inline constexpr int kGreetingGa = 1030;
inline constexpr int kGreetingGe = 1031;
inline constexpr int kSpinGm = 1048;
inline constexpr int kSpinGa = 1049;
inline constexpr int kSpinGe = 1050;
inline constexpr int kOptionText = 1056;  // invisible static
inline constexpr int kLogSoftHamLog = 1058;
inline constexpr int kLogSoftLogger32 = 1059;
inline constexpr int kPttCtrlLines = 1060;  // "RTS/DTR"
inline constexpr int kPttCtrlHamLog = 1061;
inline constexpr int kModeCw = 1028;
inline constexpr int kModeA1a = 1065;
inline constexpr int kMyCall = 1037;
inline constexpr int kMyName = 1038;
inline constexpr int kMyQth = 1039;
inline constexpr int kOtherData = 1040;

}  // namespace option_control

// The entries of the four weight combo boxes, index 0 first.
struct WeightList {
    int comboId;
    const char16_t* const* entries;
    int count;
    int defaultIndex;  // shown for a position outside the list
};
const WeightList& weightList(int comboId);
inline constexpr int kWeightCombos[] = {option_control::kDot, option_control::kDash,
                                        option_control::kCharSpace, option_control::kWordSpace};

// A greeting spin: its edit, its range and its positions.
struct GreetingSpin {
    int editId;
    int spinId;
    int low;
    int high;
    int position;  // first of its two characters
};
inline constexpr GreetingSpin kGreetingSpins[] = {
    {option_control::kGreetingGm, option_control::kSpinGm, 0, 4, 12},
    {option_control::kGreetingGa, option_control::kSpinGa, 10, 14, 14},
    {option_control::kGreetingGe, option_control::kSpinGe, 16, 20, 16},
};

// What the controls show for an option string.
struct OptionChoices {
    int fontButton = option_control::kFontNormal;
    bool rxEcho = false;
    bool save = false;
    bool paste = false;
    int weightIndex[4] = {1, 1, 2, 3};  // Dot, Dash, C_Space, W_Space
    int pttLeadButton = option_control::kPttOff;
    bool stop = false;
    bool fiveNn = false;
    int greeting[3] = {0, 12, 18};  // GM, GA, GE spin positions
    bool logSoftHamLog = false;
    bool pttCtrlHamLog = false;
    bool modeCw = false;
    bool modeA1a = false;
};

OptionChoices readOptionChoices(TextView optionText);

class OptionDialogModel {
public:
    explicit OptionDialogModel(Text optionText) : optionText_(std::move(optionText)) {}

    const Text& optionText() const { return optionText_; }

    // A radio button or check box was clicked; `checked` is its state after
    // the click.
    void onButtonClicked(int buttonId, bool checked);
    // A weight combo box chose entry `index`.
    void onWeightChosen(int comboId, int index);
    // A greeting edit lost the focus with its spin at `spinPosition`.
    void onGreetingChanged(int editId, int spinPosition);

    // One of the four text edits gained the focus.
    void onEditFocus(int editId);
    // Enter: the edit that takes the focus next, or 0 when Enter is not
    // consumed (it then presses OK).
    int enterFocusTarget() const;

private:
    void write(int position, TextView value);

    Text optionText_;
    int enterTarget_ = 0;
};

}  // namespace qs::ui
