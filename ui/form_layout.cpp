#include "ui/form_layout.h"

#include "ui/control_ids.h"

namespace qs::ui {

namespace {

using K = ControlKind;
namespace c = control;

constexpr unsigned kRight = trait::kAlignRight;
constexpr unsigned kCenter = trait::kAlignCenter;

// Ids of the captions, group boxes and scale marks, in the order below.
enum Decoration : int {
    kFilterGroup = c::kFirstDecoration,
    kInputVolCaption,
    kGainGroup,
    kGainTop,
    kGainMiddle,
    kGainBottom,
    kToneGroup,
    kToneTop,
    kToneMiddle,
    kToneBottom,
    kHisNameGroup,
    kGreetingGroup,
    kHisRstGroup,
    kMyRstGroup,
    kPortCaption,
    kSoundCaption,
    kSpeedGroup,
    kRxCaption,
    kTxCaption,
};

// The macro labels: two rows of six keys, each covering every point at
// which a click, a right click or the hover hint picks its macro (row 2
// takes clicks one pixel wider in its third column).
constexpr int kMacroColumnLeft[2][6] = {{13, 115, 216, 318, 419, 519},
                                        {13, 115, 215, 318, 419, 519}};
constexpr int kMacroColumnRight[2][6] = {{107, 210, 311, 413, 514, 614},  // last pixel
                                         {107, 210, 312, 413, 514, 614}};
constexpr int kMacroRowTop[2] = {311, 340};
constexpr int kMacroRowHeight = 23;  // rows end at 333 and 362
const char16_t* const kMacroCaptions[c::kMacroCount] = {
    u"macro1", u"macro2", u"macro3", u"macro4",  u"macro5",  u"macro6",
    u"macro7", u"macro8", u"macro9", u"macro10", u"macro11", u"Auto CQ",
};

FormControl macroLabel(int macro) {
    const int column = (macro - 1) % 6;
    const int row = (macro - 1) / 6;
    const int left = kMacroColumnLeft[row][column];
    const int width = kMacroColumnRight[row][column] - left + 1;
    return {c::macroLabel(macro), K::Label, kMacroCaptions[macro - 1],
            {left, kMacroRowTop[row], width, kMacroRowHeight}, trait::kMacroKey | kCenter};
}

// Left half, top: the receive filters and the two displays.
void addReceiveSection(std::vector<FormControl>& form) {
    form.insert(form.end(), {
        {kFilterGroup, K::GroupBox, u"Filter", {8, 14, 112, 164}},
        {c::kNoiseReduction1, K::CheckBox, u"NR1", {20, 34, 90, 18}},
        {c::kNoiseReduction2, K::CheckBox, u"NR2", {20, 58, 90, 18}},
        {c::kQrmFilter, K::CheckBox, u"QRM", {20, 82, 90, 18}},
        {kInputVolCaption, K::Label, u"Input Vol.", {16, 112, 96, 14}},
        {c::kInputGainSlider, K::Trackbar, u"", {12, 128, 104, 30}},

        // The level display covers x 177..353, y 33..128.
        {kGainGroup, K::GroupBox, u"CW Gain level", {128, 14, 234, 164}},
        {kGainTop, K::Label, u"0", {134, 30, 40, 14}, kRight},
        {kGainMiddle, K::Label, u"-45db", {134, 74, 40, 14}, kRight},
        {kGainBottom, K::Label, u"-90db", {134, 116, 40, 14}, kRight},
        {c::kLevelDisplay, K::Display, u"", {177, 33, 177, 96}},
        {c::kThresholdLabel, K::Label, u"Threshold -45db", {177, 138, 112, 16}},
        {c::kAutoThreshold, K::CheckBox, u"Auto", {294, 136, 60, 18}},

        // The spectrum display covers x 419..594, y 33..128; its 29 tone
        // cells lie between 422 and 591.
        {kToneGroup, K::GroupBox, u"Signal Tone(FFT)", {370, 14, 236, 164}},
        {kToneTop, K::Label, u"0", {376, 30, 40, 14}, kRight},
        {kToneMiddle, K::Label, u"-45db", {376, 74, 40, 14}, kRight},
        {kToneBottom, K::Label, u"-90db", {376, 116, 40, 14}, kRight},
        {c::kSpectrumDisplay, K::Display, u"", {419, 33, 176, 96}},
        {c::kLowerScaleLabel, K::Label, u"172 258 345 431 517 603 689 775", {405, 131, 200, 14},
         trait::kScaleMarks | trait::kHiddenAtStart},
        {c::kUpperScaleLabel, K::Label, u"345 431 517 603 689 775 861 948", {405, 131, 200, 14},
         trait::kScaleMarks},
        {c::kToneLabel, K::Label, u"603Hz", {419, 152, 60, 16}},
        {c::kToneAuto, K::CheckBox, u"Auto", {486, 150, 60, 18}},
    });
}

// Left half, middle: the contact fields and the logging commands.
void addContactSection(std::vector<FormControl>& form) {
    form.insert(form.end(), {
        {c::kHisCallGroup, K::GroupBox, u"HisCall (F1)", {8, 182, 150, 46}},
        {c::kHisCall, K::Edit, u"", {16, 199, 134, 22}, trait::kUpperCase},
        {kHisNameGroup, K::GroupBox, u"HisName (F2)", {164, 182, 150, 46}},
        {c::kHisName, K::Edit, u"", {172, 199, 134, 22}},
        {c::kHisQthGroup, K::GroupBox, u"HisQTH (F3)", {320, 182, 150, 46}},
        {c::kHisQth, K::Edit, u"", {328, 199, 134, 22}},
        {kGreetingGroup, K::GroupBox, u"Greeting", {476, 182, 130, 46}},
        {c::kGreeting, K::ListBox, u"", {484, 199, 114, 22}},
        {kHisRstGroup, K::GroupBox, u"His RST", {8, 232, 150, 46}},
        {c::kHisRst, K::ComboBox, u"", {16, 249, 134, 22}},
        {kMyRstGroup, K::GroupBox, u"My RST", {164, 232, 150, 46}},
        {c::kMyRst, K::ComboBox, u"", {172, 249, 134, 22}},
        {c::kQso, K::Button, u"QSO (F6)", {320, 242, 92, 30}},
        {c::kSave, K::Button, u"SAVE (F7)", {418, 242, 92, 30}},
        {c::kClear, K::Button, u"Clear (Esc)", {516, 242, 90, 30}},
        {kPortCaption, K::Label, u"Key port", {8, 287, 56, 16}},
        {c::kPortLabel, K::Label, u"COM1 RTS", {66, 285, 92, 18}, trait::kFramedValue},
        {kSoundCaption, K::Label, u"Sound Device", {164, 287, 80, 16}},
        {c::kSoundDevice, K::ListBox, u"", {248, 283, 358, 22}},
    });
}

// Right half: the receive and transmit boxes and the speeds.
void addTextSection(std::vector<FormControl>& form) {
    form.insert(form.end(), {
        {c::kTransmitBox, K::TextArea, u"", {616, 238, 461, 50}, trait::kUpperCase},
        {c::kReceiveWindow, K::RichEdit, u"", {616, 8, 461, 198}},
        {c::kTxEditHold, K::CheckBox, u"TX Edit (F9)", {618, 212, 110, 20}},
        {c::kRxClear, K::Button, u"RX Clear", {906, 210, 82, 24}},
        {c::kTxClear, K::Button, u"TX Clear", {994, 210, 82, 24}},
        {kSpeedGroup, K::GroupBox, u"Speed", {616, 292, 461, 76}},
        {kRxCaption, K::Label, u"RX", {626, 311, 22, 16}},
        {c::kRxSpeedLabel, K::Label, u"100/Min", {650, 309, 64, 18}, trait::kFramedValue},
        {c::kRxSpeedAuto, K::CheckBox, u"Auto", {720, 309, 60, 18}},
        {c::kRxSpeedSlider, K::Trackbar, u"", {622, 332, 190, 30}},
        {c::kRxEqualsTx, K::Button, u"RX=TX", {818, 322, 58, 28}},
        {kTxCaption, K::Label, u"TX", {886, 311, 22, 16}},
        {c::kTxSpeedLabel, K::Label, u"100/Min", {910, 309, 64, 18}, trait::kFramedValue},
        {c::kTxSpeedSlider, K::Trackbar, u"", {882, 332, 190, 30}},
        {c::kStagingEdit, K::Edit, u"", {0, 0, 4, 4}, trait::kHiddenAtStart},
    });
}

std::vector<FormControl> buildForm() {
    std::vector<FormControl> form;
    addTextSection(form);
    addReceiveSection(form);
    addContactSection(form);
    for (int macro = 1; macro <= c::kMacroCount; ++macro) form.push_back(macroLabel(macro));
    return form;
}

}  // namespace

const std::vector<FormControl>& formControls() {
    static const std::vector<FormControl> form = buildForm();
    return form;
}

const FormControl* findFormControl(int id) {
    for (const FormControl& control : formControls()) {
        if (control.id == id) return &control;
    }
    return nullptr;
}

double effectiveScale(double dpiScale) { return dpiScale > 1.0 ? dpiScale : 1.0; }

int scaleCoordinate(int design, double dpiScale) {
    const double scale = effectiveScale(dpiScale);
    if (scale == 1.0) return design;
    return static_cast<int>(design * scale + 0.5);
}

FormRect scaleRect(const FormRect& design, double dpiScaleX, double dpiScaleY) {
    const int left = scaleCoordinate(design.left, dpiScaleX);
    const int top = scaleCoordinate(design.top, dpiScaleY);
    return {left, top, scaleCoordinate(design.right(), dpiScaleX) - left,
            scaleCoordinate(design.bottom(), dpiScaleY) - top};
}

}  // namespace qs::ui
