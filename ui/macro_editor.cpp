#include "ui/macro_editor.h"

#include "settings/macro_colours.h"
#include "settings/slot_catalog.h"
#include "settings/slot_number.h"
#include "ui/control_ids.h"
#include "ui/macro_areas.h"

namespace qs::ui {

Text macroEditorTitle(int macro) {
    if (macro == MacroSet::kCount) return u"Edit Auto CQ";
    return u"Edit Macro" + decimalText(macro);
}

Text nextCaptionColour(TextView colourText) {
    const int index = settings::slotNumber(colourText).value_or(0);
    const int next = index >= 0 && index < settings::kMacroColourCount - 1 ? index + 1 : 0;
    return decimalText(next);
}

std::uint32_t captionColourOf(TextView colourText) {
    const std::optional<int> index = settings::slotNumber(colourText);
    return index ? settings::macroColour(*index).value_or(0) : 0;
}

Text tagToInsert(TextView item) {
    return Text(!item.empty() && item.front() == u' ' ? item.substr(1) : item);
}

MacroEditing::MacroEditing(const Links& links) : links_(links) {}

// Every right click ends with the focus in the transmit box.
void MacroEditing::onEditMacro(int x, int y, const rx::FormScale& scale) {
    const int macro = macroAt(MacroArea::RightClick, x, y, scale);
    if (macro != 0) edit(macro);
    links_.form.focusControl(control::kTransmitBox);
}

// Received audio waits while the dialog is open; the keying engine's next
// idle step takes it up again.
void MacroEditing::edit(int macro) {
    MacroSet& macros = links_.macros;
    links_.form.enableControl(control::macroLabel(macro), false);
    MacroEditorFields fields{macros.text(macro), macros.caption(macro), macroEditorTitle(macro),
                             decimalText(macros.colourIndex(macro))};
    const int index = macros.colourIndex(macro);
    macros.setCaptionColour(macro, index, settings::macroColour(index).value_or(0));
    links_.receive.rxEnabled = false;
    if (links_.dialog.runMacroEditor(fields)) store(macro, fields);
    links_.receivePath.clearSampleBlock();
    links_.form.enableControl(control::macroLabel(macro), true);
}

void MacroEditing::store(int macro, const MacroEditorFields& fields) {
    namespace slot = settings::slot;
    MacroSet& macros = links_.macros;
    if (fields.text != macros.text(macro)) {
        macros.setMacroText(macro, fields.text);
        links_.record.setSlot(slot::kFirstMacroText - 1 + macro, fields.text);
    }
    if (fields.caption != macros.caption(macro)) {
        macros.showCaption(macro, fields.caption);
        links_.record.setSlot(slot::kFirstMacroCaption - 1 + macro, fields.caption);
    }
    const std::optional<int> index = settings::slotNumber(fields.colourText);
    const std::optional<std::uint32_t> colour =
        index ? settings::macroColour(*index) : std::nullopt;
    if (colour && *index != macros.colourIndex(macro)) {
        macros.setCaptionColour(macro, *index, *colour);
        links_.record.setSlot(slot::kFirstMacroColourIndex - 1 + macro, decimalText(*index));
    }
}

}  // namespace qs::ui
