#include "ui/option_dialog.h"

#include <algorithm>

#include "settings/option_string.h"
#include "settings/slot_number.h"

namespace qs::ui {

namespace oc = option_control;
namespace opt = settings::option;

namespace {

const char16_t* const kDotEntries[] = {u"0.9", u"1.0", u"1.1", u"1.2", u"1.3", u"1.5"};
const char16_t* const kDashEntries[] = {u"2.8", u"3.0", u"3.2", u"3.4", u"3.6",
                                        u"3.8", u"4.0", u"4.2", u"4.5"};
const char16_t* const kCharSpaceEntries[] = {u"2.6", u"2.8", u"3.0", u"3.5", u"4.0", u"5.0"};
const char16_t* const kWordSpaceEntries[] = {u"4.0", u"5.0", u"6.0", u"7.0", u"8.0", u"9.0"};

const WeightList kWeightLists[] = {
    {oc::kDot, kDotEntries, 6, 1},
    {oc::kDash, kDashEntries, 9, 1},
    {oc::kCharSpace, kCharSpaceEntries, 6, 2},
    {oc::kWordSpace, kWordSpaceEntries, 6, 3},
};

constexpr char16_t kPttLeadCodes[] = u"NABCD";  // Off, 25, 50, 100, 200 ms

int digitValue(char16_t c) {
    return c >= u'0' && c <= u'9' ? c - u'0' : 0;
}

int weightIndexOf(const WeightList& list, char16_t c) {
    const int value = digitValue(c);
    return value < list.count ? value : list.defaultIndex;
}

int pttLeadButtonOf(char16_t c) {
    for (int i = 1; i < 5; ++i) {
        if (c == kPttLeadCodes[i]) return oc::kPttOff + i;
    }
    return oc::kPttOff;
}

int fontButtonOf(char16_t c) {
    if (c == u'S') return oc::kFontSmall;
    if (c == u'M') return oc::kFontNormal;
    return oc::kFontLarge;
}

// Two characters of the string as a number; a spin keeps to its range.
int greetingOf(TextView options, const GreetingSpin& spin) {
    const TextView digits = options.size() >= static_cast<size_t>(spin.position)
                                ? options.substr(spin.position, 2)
                                : TextView();
    const int value = settings::slotNumber(digits).value_or(spin.low);
    return std::clamp(value, spin.low, spin.high);
}

int slotOfWeightCombo(int comboId) {
    return comboId - oc::kDot;
}

Text twoDigits(int value) {
    Text text = decimalText(value);
    return text.size() < 2 ? u"0" + text : text;
}

}  // namespace

const WeightList& weightList(int comboId) {
    for (const WeightList& list : kWeightLists) {
        if (list.comboId == comboId) return list;
    }
    return kWeightLists[0];
}

OptionChoices readOptionChoices(TextView options) {
    OptionChoices choices;
    choices.fontButton = fontButtonOf(settings::optionAt(options, opt::kFontSize));
    choices.rxEcho = settings::optionAt(options, opt::kEchoToRx) == u'R';
    choices.save = settings::optionAt(options, opt::kQsoLogSave) == u'S';
    choices.paste = settings::optionAt(options, opt::kCopyRxAtExit) == u'P';
    for (int i = 0; i < 4; ++i) {
        choices.weightIndex[i] =
            weightIndexOf(kWeightLists[i], settings::optionAt(options, opt::kDotWeight + i));
    }
    choices.pttLeadButton = pttLeadButtonOf(settings::optionAt(options, opt::kPttLead));
    choices.stop = settings::optionAt(options, opt::kTxEditHold) == u'S';
    choices.fiveNn = settings::optionAt(options, opt::kFiveNnReset) == u'5';
    for (int i = 0; i < 3; ++i) choices.greeting[i] = greetingOf(options, kGreetingSpins[i]);
    choices.logSoftHamLog = settings::optionAt(options, opt::kLogSoft) == u'H';
    choices.pttCtrlHamLog = settings::optionAt(options, opt::kPttViaHamLog) == u'H';
    const char16_t mode = settings::optionAt(options, opt::kHamLogMode);
    choices.modeCw = mode == u'C';
    choices.modeA1a = mode == u'A';
    return choices;
}

// A string shorter than the layout is padded with "N" up to the position
// written, so that every position keeps its place.
void OptionDialogModel::write(int position, TextView value) {
    const size_t end = static_cast<size_t>(position) + value.size();
    if (optionText_.size() < end) optionText_.resize(end, u'N');
    optionText_.replace(static_cast<size_t>(position), value.size(), value);
}

void OptionDialogModel::onButtonClicked(int id, bool checked) {
    switch (id) {
        case oc::kFontSmall:
            return write(0, u"NS");
        case oc::kFontNormal:
            return write(0, u"NM");
        case oc::kFontLarge:
            return write(0, u"NL");
        case oc::kRxEcho:
            return write(opt::kEchoToRx, checked ? u"R" : u"N");
        case oc::kSave:
            return write(opt::kQsoLogSave, checked ? u"S" : u"N");
        case oc::kPaste:
            return write(opt::kCopyRxAtExit, checked ? u"P" : u"N");
        case oc::kStop:
            return write(opt::kTxEditHold, checked ? u"S" : u"N");
        case oc::kFiveNn:
            return write(opt::kFiveNnReset, checked ? u"5" : u"N");
        case oc::kLogSoftHamLog:
            return write(opt::kLogSoft, u"H");
        case oc::kLogSoftLogger32:
            write(opt::kLogSoft, u"L");
            return write(opt::kPttViaHamLog, u"N");
        case oc::kPttCtrlLines:
            return write(opt::kPttViaHamLog, u"N");
        case oc::kPttCtrlHamLog:
            write(opt::kPttViaHamLog, u"H");
            return write(opt::kLogSoft, u"H");
        case oc::kModeCw:
            return write(opt::kHamLogMode, checked ? u"C" : u"N");
        case oc::kModeA1a:
            return write(opt::kHamLogMode, checked ? u"A" : u"N");
        default:
            break;
    }
    if (id >= oc::kPttOff && id <= oc::kPtt200) {
        const char16_t code[] = {kPttLeadCodes[id - oc::kPttOff], u'\0'};
        write(opt::kPttLead, code);
    }
}

void OptionDialogModel::onWeightChosen(int comboId, int index) {
    if (comboId < oc::kDot || comboId > oc::kWordSpace || index < 0) return;
    write(opt::kDotWeight + slotOfWeightCombo(comboId), decimalText(index));
}

void OptionDialogModel::onGreetingChanged(int editId, int spinPosition) {
    for (const GreetingSpin& spin : kGreetingSpins) {
        if (spin.editId == editId) write(spin.position, twoDigits(spinPosition));
    }
}

void OptionDialogModel::onEditFocus(int editId) {
    if (editId >= oc::kMyCall && editId <= oc::kOtherData) enterTarget_ = editId - oc::kMyCall + 1;
}

int OptionDialogModel::enterFocusTarget() const {
    if (enterTarget_ < 1 || enterTarget_ > 4) return 0;
    return oc::kMyCall + enterTarget_ % 4;
}

}  // namespace qs::ui
