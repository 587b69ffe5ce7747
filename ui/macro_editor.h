#pragma once
// The macro editor ("Edit macro"), opened by a right click on a macro label:
// its text, caption and caption colour, with two lists of tags to insert.
// OK stores what changed in the macro and in its slots (text k, caption
// 12 + k, colour index 24 + k); Cancel changes nothing.

#include <cstdint>

#include "common/text.h"
#include "rx/display_hit_areas.h"
#include "rx/receive_settings.h"
#include "settings/settings_record.h"
#include "tx/keyer_links.h"
#include "ui/macro_set.h"
#include "ui/screen_links.h"

namespace qs::ui {

namespace macro_control {

inline constexpr int kCaptionButton = 1000;
inline constexpr int kText = 1029;        // multi-line edit
inline constexpr int kCaption = 1030;     // edit
inline constexpr int kColour = 1031;      // hidden edit: the colour index
inline constexpr int kTagList = 1032;     // "Macro"
inline constexpr int kSpeedTagList = 1033;  // "TX Speed"
inline constexpr int kTitle = 1057;

}  // namespace macro_control

// The two tag lists, each item with its leading blank.
inline constexpr const char16_t* kMacroTagItems[] = {
    u" <HisCall>", u" <HisRST>",   u" <HisName>", u" <HisQTH>", u" <MyCall>",
    u" <MyName>",  u" <MyQTH>",    u" <MyRST>",   u" <Others>", u" <Greeting>",
    u" <VK_F1>",   u" <VK_F6>",    u" <VK_F7>",   u" <CallGet>",
};
inline constexpr const char16_t* kSpeedTagItems[] = {
    u" <+3 Up>", u" <+2 Up>", u" <+1 UP>", u" <Original>", u" <-1 Down>", u" <-2 Down>",
    u" <-3 Down>",
};

// What the dialog shows and, after OK, returns.
struct MacroEditorFields {
    Text text;
    Text caption;
    Text title;       // "Edit Macro1" ... "Edit Macro11", "Edit Auto CQ"
    Text colourText;  // the colour index as decimal text
};

Text macroEditorTitle(int macro);
// "Caption": the next colour index, 5 wrapping to 0.
Text nextCaptionColour(TextView colourText);
// The colour the caption edit is drawn in for a colour index text; black for
// any text that is not an index of the table.
std::uint32_t captionColourOf(TextView colourText);
// A list item as it goes into the text: without its leading blank.
Text tagToInsert(TextView item);

class MacroEditorDialog {
public:
    virtual ~MacroEditorDialog() = default;
    // Runs the dialog modally; true on OK, `fields` then holds its result.
    virtual bool runMacroEditor(MacroEditorFields& fields) = 0;
};

class MacroEditing {
public:
    struct Links {
        MacroSet& macros;
        OperatingForm& form;
        MacroEditorDialog& dialog;
        settings::SettingsRecord& record;
        rx::ReceiveSettings& receive;
        tx::ReceivePathControl& receivePath;
    };

    explicit MacroEditing(const Links& links);

    // The right button went down at this point of the form (form pixels).
    void onEditMacro(int x, int y, const rx::FormScale& scale);

private:
    void edit(int macro);
    void store(int macro, const MacroEditorFields& fields);

    Links links_;
};

}  // namespace qs::ui
