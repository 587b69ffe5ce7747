#include "settings/qso_log.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace qs::settings {

namespace {

// The prompt's line break and "RX>" or "TX>", as the window counts them.
constexpr size_t kPromptCharsSkipped = 4;

// What the runtime's text mode makes of `text`, encoded as UTF-8.
std::string textModeBytes(TextView text) {
    Text translated;
    translated.reserve(text.size());
    for (const char16_t unit : text) {
        if (unit == u'\n') translated.push_back(u'\r');
        translated.push_back(unit);
    }
    return toUtf8(translated);
}

// Up to and including the last path separator; empty when there is none.
Text folderOf(const Text& path) {
    const size_t separator = path.find_last_of(u"\\/");
    return separator == Text::npos ? Text() : path.substr(0, separator + 1);
}

}  // namespace

QsoLog::QsoLog(const ReceiveWindowText& window, const Clock& clock)
    : window_(window), clock_(clock) {}

bool QsoLog::startQsoLog(QsoLogStart start) {
    if (start == QsoLogStart::FromOptions && documentPath_.empty()) return false;
    if (start == QsoLogStart::AtApply) documentPath_ = folderOf(documentPath_);
    const Text stamp = formatTime(clock_.localTime(), "%Y%m%d[%H%MJ]");
    qsoLogOn_ = true;
    qsoLogPath_ = documentPath_ + stamp + u".txt";
    const Text title = start == QsoLogStart::AtApply ? u"Quillstone" : u"QSTN ";
    appendToFile(title + stamp + u"\r\n");
    return true;
}

void QsoLog::logBeforeRxPrompt() {
    logBeforePrompt(u"\rRX> ");
}

void QsoLog::logBeforeTxPrompt() {
    logBeforePrompt(u"\rTX> ");
}

void QsoLog::logBeforePrompt(const char16_t* prompt) {
    if (!qsoLogOn_) return;
    size_t windowLength = 0;
    const Text chunk = newWindowText(windowLength);
    qsoLogMark_ = windowLength + kPromptCharsSkipped;
    appendToFile(chunk + prompt + formatTime(clock_.localTime(), "[%H:%MJ]"));
}

void QsoLog::flushQsoLog() {
    if (!qsoLogOn_) return;
    size_t windowLength = 0;
    const Text chunk = newWindowText(windowLength);
    qsoLogMark_ = windowLength;
    appendToFile(chunk);
}

void QsoLog::logBeforeRxClear() {
    flushQsoLog();
    qsoLogMark_ = 0;
}

Text QsoLog::newWindowText(size_t& windowLength) const {
    Text text = window_.allText();
    windowLength = text.size();
    return windowLength > qsoLogMark_ ? text.substr(qsoLogMark_) : Text();
}

void QsoLog::appendToFile(TextView text) const {
    if (text.empty()) return;
    std::ofstream file(std::filesystem::path(qsoLogPath_), std::ios::binary | std::ios::app);
    const std::string bytes = textModeBytes(text);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace qs::settings
