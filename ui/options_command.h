#pragma once
// The Options command (menu 32776, "Option(&P)"): the Options dialog gets
// the option string and the own station data; while it is open received
// audio is not processed. After OK a changed option string takes effect and
// is stored in slot 49, and each changed station text in slots 45 to 48.
// Whatever the answer, the receive path starts afresh.

#include "common/text.h"
#include "rx/receive_settings.h"
#include "settings/option_effects.h"
#include "settings/settings_application.h"
#include "settings/settings_record.h"
#include "tx/keyer.h"
#include "tx/keyer_links.h"
#include "ui/contact_fields.h"

namespace qs::ui {

// What the dialog edits; the same strings come back after OK.
struct OptionsValues {
    Text optionText;
    Text myCall;
    Text myName;
    Text myQth;
    Text otherData;
};

// The modal Options dialog.
class OptionsDialog {
public:
    virtual ~OptionsDialog() = default;
    // Runs the dialog; true when it ended with OK, `values` then holds its
    // result.
    virtual bool runOptionsDialog(OptionsValues& values) = 0;
};

class OptionsCommand {
public:
    struct Links {
        OptionsDialog& dialog;
        settings::SettingsRecord& record;
        settings::OptionEffects& options;
        settings::SettingsApplication& application;  // keeps the station data
        tx::Keyer& keyer;
        rx::ReceiveSettings& receive;
        tx::ReceivePathControl& receivePath;
        FocusLatch& latch;
        settings::SettingsForm& form;
    };

    explicit OptionsCommand(const Links& links);

    void run();

private:
    void applyOptionString(const Text& optionText);
    void applyStationData(const OptionsValues& values);

    Links links_;
};

}  // namespace qs::ui
