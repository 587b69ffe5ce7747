#pragma once
// The twelve macros as the form holds them: macros 1 to 11 and Auto CQ (12),
// each with its text, the caption of its label and the caption colour.
// Applying a settings document fills them; the macro commands read them.

#include <array>
#include <cstdint>

#include "common/text.h"
#include "settings/settings_view.h"

namespace qs::ui {

// The macro labels (static texts 1005 to 1016) on the form.
class MacroLabels {
public:
    virtual ~MacroLabels() = default;
    virtual void setLabelCaption(int macro, TextView caption) = 0;
    // Paints the label again, in the colour colour(macro) now gives.
    virtual void repaintLabel(int macro) = 0;
};

class MacroSet : public settings::MacroButtons {
public:
    static constexpr int kCount = 12;

    explicit MacroSet(MacroLabels& labels);

    void setMacroText(int macro, TextView text) override;
    void showCaption(int macro, TextView caption) override;
    void setCaptionColour(int macro, int colourIndex, std::uint32_t colour) override;

    // Macros are numbered 1 to 12; other numbers give an empty text, "" and
    // black.
    const Text& text(int macro) const;
    const Text& caption(int macro) const;
    int colourIndex(int macro) const;
    std::uint32_t colour(int macro) const;  // 0x00BBGGRR

    static bool isMacro(int macro) { return macro >= 1 && macro <= kCount; }

private:
    struct Macro {
        Text text;
        Text caption;
        int colourIndex = 0;
        std::uint32_t colour = 0;
    };

    const Macro& at(int macro) const;

    MacroLabels& labels_;
    std::array<Macro, kCount> macros_;
};

}  // namespace qs::ui
