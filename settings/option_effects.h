#pragma once
// What the option string (settings slot 49) switches when it is applied,
// from a settings document or from the Options dialog: the text box font,
// the QSO text log, copy at exit, the "5NN" reset, the logging program, and
// the keying engine's echo, weights, PTT lead, TX Edit hold and PTT through
// HamLog.
//
// An option string read from a file may be short or damaged: a position that
// is missing leaves its setting as it is, and so does a weight position that
// is not a digit of its table.

#include "common/text.h"
#include "settings/option_string.h"
#include "settings/qso_log.h"
#include "settings/settings_view.h"
#include "tx/keyer.h"

namespace qs::settings {

enum class OptionsSource {
    // Applying a document: the font is set and the boxes cleared even when
    // the font character is unchanged, and the QSO log starts in the
    // document's folder.
    Document,
    // The Options dialog closed with OK: the font only when its character
    // changed; the QSO log needs a document path.
    OptionsDialog,
};

class OptionEffects {
public:
    struct Parts {
        TextBoxes& textBoxes;
        tx::Keyer& keyer;
        QsoLog& qsoLog;
        LoggingProgram& loggingProgram;
        SettingsForm& form;
    };

    explicit OptionEffects(const Parts& parts);

    // Makes `options` the current option string and runs its effects in the
    // order of the positions. An option string equal to the current one is
    // not applied at all: false, and nothing happens.
    bool applyOptions(TextView options, OptionsSource source);

    const Text& optionString() const { return optionString_; }
    bool copyRxAtExit() const { return copyRxAtExit_; }
    bool fiveNnReset() const { return fiveNnReset_; }

private:
    void applyFont(TextView options, OptionsSource source);
    void applyQsoLog(char16_t save, OptionsSource source);
    void applyLoggingProgram(char16_t logSoft);

    Parts parts_;
    Text optionString_ = kBuiltInOptionString;
    bool copyRxAtExit_ = false;
    bool fiveNnReset_ = false;
};

}  // namespace qs::settings
