#include "ui/macro_sender.h"

#include "ui/control_ids.h"
#include "ui/macro_areas.h"

namespace qs::ui {

namespace {

constexpr int kFirstHoverCode = 51;  // macro k shows as 50 + k
constexpr char16_t kReady[] = u"Ready";
constexpr TextView kHisCallKeyTag = u"<VK_F1>";

Text hintPrefix(int macro) {
    if (macro == kAutoCqMacro) return u"Auto CQ(Shift+F12)>> ";
    const Text number = decimalText(macro);
    return u"macro" + number + u"(Shift+F" + number + u")>> ";
}

}  // namespace

Text upperCaseForSending(TextView text) {
    Text upper(text);
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return upper;
}

Text hoverHint(int hoverCode, const MacroSet& macros, const MacroTagReader& tags,
               const Clock& clock) {
    const int macro = hoverCode - kFirstHoverCode + 1;
    if (!MacroSet::isMacro(macro)) return kReady;
    Text textToSend = macros.text(macro);
    tx::ExpandMacroTags(textToSend, tags.macroTagSources(), clock);
    return hintPrefix(macro) + textToSend;
}

MacroSender::MacroSender(const Links& links) : links_(links) {}

void MacroSender::queueText(Text textToSend) {
    if (autoCqRunning_) {
        stopAutoCq();
        links_.transmit.clearTx();
    }
    tx::ExpandMacroTags(textToSend, links_.tags.macroTagSources(), links_.clock);
    links_.transmit.appendToTransmitBox(upperCaseForSending(textToSend));
}

void MacroSender::sendMacro(int macro) {
    if (MacroSet::isMacro(macro)) queueText(links_.macros.text(macro));
}

// The label stays disabled, looking pressed, until the button is released.
void MacroSender::onMacroClick(int x, int y, const rx::FormScale& scale, bool fieldFocusLatch) {
    if (!fieldFocusLatch) links_.form.focusControl(control::kTransmitBox);
    const int macro = macroAt(MacroArea::LeftClick, x, y, scale);
    if (macro == 0) return;
    const Text& text = links_.macros.text(macro);
    const bool toHisCall = text.find(kHisCallKeyTag) != Text::npos;
    links_.form.focusControl(toHisCall ? control::kHisCall : control::kTransmitBox);
    links_.form.enableControl(control::macroLabel(macro), false);
    queueText(text);
    if (macro == kAutoCqMacro) autoCqRunning_ = true;
}

void MacroSender::onLeftButtonUp() {
    for (int macro = 1; macro <= MacroSet::kCount; ++macro) {
        links_.form.enableControl(control::macroLabel(macro), true);
    }
}

void MacroSender::stopAutoCq() {
    links_.form.enableControl(control::kAutoCqLabel, true);
    autoCqRunning_ = false;
}

void MacroSender::onMouseMove(int x, int y, const rx::FormScale& scale) {
    if (mouseHovering_) {
        const int macro = macroAt(MacroArea::Hover, x, y, scale);
        const int hoverCode = macro == 0 ? 0 : kFirstHoverCode - 1 + macro;
        if (hoverCode != shownHoverCode_) showHint(hoverCode);
    }
    if (!trackingMouse_) trackingMouse_ = links_.mouse.trackHoverAndLeave();
}

void MacroSender::onMouseLeave() {
    mouseHovering_ = false;
    trackingMouse_ = false;
}

void MacroSender::showHint(int hoverCode) {
    shownHoverCode_ = hoverCode;
    links_.form.setStatusText(hoverHint(hoverCode, links_.macros, links_.tags, links_.clock));
}

}  // namespace qs::ui
