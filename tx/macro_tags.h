#pragma once
// Data tags of the macros ("<HisCall>", "<MyName>", "<Greeting>", ...):
// replaced by contact and station data when a macro is queued for sending
// and when its hint is shown. They match case-sensitively in their mixed-case
// form, before the queued text is turned to upper case.

#include "common/text.h"
#include "common/clock.h"

namespace qs::tx {

// What the data tags are replaced by, as the form and the settings hold it.
struct MacroTagSources {
    Text hisCall;       // HisCall field (1029)
    Text hisName;       // HisName field (1030)
    Text hisQth;        // HisQTH field (1031)
    Text hisRst;        // His RST combo box (1032)
    Text myRst;         // My RST combo box (1033)
    Text myQth;         // settings slot 47
    Text otherData;     // settings slot 48
    Text myCall;        // settings slot 45
    Text myName;        // settings slot 46
    Text greetingBox;   // Greeting combo box (1034); "AUTO" chooses by the hour
    Text optionString;  // settings slot 49; positions 12..17 hold the greeting hours
};

// The greeting for a Greeting combo text: "AUTO" becomes "GM", "GA" or "GE"
// by the local hour and the start hours of the option string; any other
// text is used unchanged.
Text ChooseGreeting(TextView greetingBox, TextView optionString, int localHour);

// Replaces every data tag of `textToSend`, tag by tag in a fixed order, then
// removes white space at both ends. Empty text is left as it is. Text that a
// tag inserts is not searched again for that same tag (a field holding its
// own tag cannot make the expansion run forever), but later tags do look
// into it.
void ExpandMacroTags(Text& textToSend, const MacroTagSources& sources, const Clock& clock);

}  // namespace qs::tx
