#include "ui/macro_set.h"

namespace qs::ui {

namespace {

const char16_t* const kBuiltInCaptions[MacroSet::kCount] = {
    u"macro1", u"macro2", u"macro3", u"macro4",  u"macro5",  u"macro6",
    u"macro7", u"macro8", u"macro9", u"macro10", u"macro11", u"Auto CQ",
};

}  // namespace

MacroSet::MacroSet(MacroLabels& labels) : labels_(labels) {
    for (int i = 0; i < kCount; ++i) macros_[i].caption = kBuiltInCaptions[i];
}

void MacroSet::setMacroText(int macro, TextView text) {
    if (isMacro(macro)) macros_[macro - 1].text = Text(text);
}

void MacroSet::showCaption(int macro, TextView caption) {
    if (!isMacro(macro)) return;
    macros_[macro - 1].caption = Text(caption);
    labels_.setLabelCaption(macro, caption);
}

void MacroSet::setCaptionColour(int macro, int colourIndex, std::uint32_t colour) {
    if (!isMacro(macro)) return;
    macros_[macro - 1].colourIndex = colourIndex;
    macros_[macro - 1].colour = colour;
    labels_.repaintLabel(macro);
}

const MacroSet::Macro& MacroSet::at(int macro) const {
    static const Macro none{};
    return isMacro(macro) ? macros_[macro - 1] : none;
}

const Text& MacroSet::text(int macro) const {
    return at(macro).text;
}
const Text& MacroSet::caption(int macro) const {
    return at(macro).caption;
}
int MacroSet::colourIndex(int macro) const {
    return at(macro).colourIndex;
}
std::uint32_t MacroSet::colour(int macro) const {
    return at(macro).colour;
}

}  // namespace qs::ui
