#include "settings/option_effects.h"

namespace qs::settings {

namespace {

constexpr char16_t kMissing = u'\0';  // optionAt past the end of the string

constexpr TextView kNoDocumentForLog =
    u"Saveが選択されましたが、保存先ファイルがセットされていません。\r\n"
    u"諸設定を保存の上、QSTNアプリを再起動して諸設定ファイルから開始して下さい。";

TextBoxFont fontOf(char16_t size) {
    if (size == u'S') return TextBoxFont::Small;
    if (size == u'M') return TextBoxFont::Normal;
    return TextBoxFont::Large;
}

}  // namespace

OptionEffects::OptionEffects(const Parts& parts) : parts_(parts) {}

// The keying engine takes its positions (2, 5 to 10 and 19) in one step;
// it runs last so that PTT through HamLog (19) still follows the logging
// program (18).
bool OptionEffects::applyOptions(TextView options, OptionsSource source) {
    if (options == optionString_) return false;
    applyFont(options, source);
    applyQsoLog(optionAt(options, option::kQsoLogSave), source);

    const char16_t copyAtExit = optionAt(options, option::kCopyRxAtExit);
    if (copyAtExit != kMissing) copyRxAtExit_ = copyAtExit == u'P';
    const char16_t fiveNn = optionAt(options, option::kFiveNnReset);
    if (fiveNn != kMissing) fiveNnReset_ = fiveNn == u'5';

    applyLoggingProgram(optionAt(options, option::kLogSoft));
    parts_.keyer.applyKeyingOptions(options);
    optionString_ = Text(options);
    return true;
}

// Clearing the boxes lets the new font apply to all text shown.
void OptionEffects::applyFont(TextView options, OptionsSource source) {
    const char16_t size = optionAt(options, option::kFontSize);
    if (size == kMissing) return;
    if (source == OptionsSource::OptionsDialog &&
        size == optionAt(optionString_, option::kFontSize)) {
        return;
    }
    parts_.textBoxes.setTextBoxFont(fontOf(size));
    parts_.textBoxes.clearRx();
    parts_.textBoxes.clearTx();
}

void OptionEffects::applyQsoLog(char16_t save, OptionsSource source) {
    if (save != u'S') return;
    if (source == OptionsSource::Document) {
        parts_.qsoLog.startQsoLog(QsoLogStart::AtApply);
    } else if (!parts_.qsoLog.startQsoLog(QsoLogStart::FromOptions)) {
        parts_.form.showMessage(kNoDocumentForLog);
    }
}

// The Logger32 search runs only while Logger32 is the logging program.
void OptionEffects::applyLoggingProgram(char16_t logSoft) {
    if (logSoft == kMissing) return;
    LoggingProgram& program = parts_.loggingProgram;
    const bool wasHamLog = program.logSoftIsHamLog();
    program.setLogSoftIsHamLog(logSoft == u'H');
    if (logSoft == u'H') {
        if (!wasHamLog) program.stopLogger32Search();
    } else if (!program.logger32Connected()) {
        program.startLogger32Search();
    }
}

}  // namespace qs::settings
