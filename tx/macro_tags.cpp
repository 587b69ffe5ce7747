#include "tx/macro_tags.h"

#include <array>

namespace qs::tx {

namespace {

// Option-string positions of the two-digit start hours, and the hours used
// when a field is missing or not two decimal digits.
constexpr size_t kGoodMorningPos = 12;
constexpr size_t kGoodAfternoonPos = 14;
constexpr size_t kGoodEveningPos = 16;
constexpr int kGoodMorningDefault = 0;
constexpr int kGoodAfternoonDefault = 12;
constexpr int kGoodEveningDefault = 18;

constexpr TextView kWhiteSpace = u" \t\n\v\f\r";

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int startHour(TextView optionString, size_t pos, int fallback) {
    if (optionString.size() < pos + 2) return fallback;
    const char16_t tens = optionString[pos];
    const char16_t ones = optionString[pos + 1];
    if (!isDigit(tens) || !isDigit(ones)) return fallback;
    return (tens - u'0') * 10 + (ones - u'0');
}

// Replaces each occurrence of `tag`, going on after the inserted text.
void replaceEach(Text& text, TextView tag, TextView replacement) {
    size_t pos = text.find(tag);
    while (pos != Text::npos) {
        text.replace(pos, tag.size(), replacement);
        pos = text.find(tag, pos + replacement.size());
    }
}

void trimWhiteSpace(Text& text) {
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == Text::npos) {
        text.clear();
        return;
    }
    const size_t last = text.find_last_not_of(kWhiteSpace);
    text = text.substr(first, last - first + 1);
}

}  // namespace

Text ChooseGreeting(TextView greetingBox, TextView optionString, int localHour) {
    if (greetingBox != u"AUTO") return Text(greetingBox);
    const int morning = startHour(optionString, kGoodMorningPos, kGoodMorningDefault);
    const int afternoon = startHour(optionString, kGoodAfternoonPos, kGoodAfternoonDefault);
    const int evening = startHour(optionString, kGoodEveningPos, kGoodEveningDefault);
    if (morning <= localHour && localHour < afternoon) return u"GM";
    if (localHour >= evening) return u"GE";
    if (localHour >= afternoon) return u"GA";
    return u"GE";  // before the morning start hour
}

void ExpandMacroTags(Text& textToSend, const MacroTagSources& sources, const Clock& clock) {
    if (textToSend.empty()) return;
    const Text greeting =
        ChooseGreeting(sources.greetingBox, sources.optionString, clock.localTime().tm_hour);
    struct DataTag {
        TextView tag;
        TextView source;
    };
    // The order matters: text inserted by a tag is searched by the tags after it.
    const std::array<DataTag, 10> tags = {{
        {u"<HisCall>", sources.hisCall},
        {u"<HisName>", sources.hisName},
        {u"<HisQTH>", sources.hisQth},
        {u"<HisRST>", sources.hisRst},
        {u"<MyRST>", sources.myRst},
        {u"<MyQTH>", sources.myQth},
        {u"<Others>", sources.otherData},
        {u"<MyCall>", sources.myCall},
        {u"<MyName>", sources.myName},
        {u"<Greeting>", greeting},
    }};
    for (const DataTag& tag : tags) replaceEach(textToSend, tag.tag, tag.source);
    trimWhiteSpace(textToSend);
}

}  // namespace qs::tx
