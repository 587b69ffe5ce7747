#include "logging/logger32_link.h"

#include "logging/logger32_records.h"
#include "logging/printable_ascii.h"

namespace qs::logging {

namespace {

// Handshake wParam values.
constexpr std::uintptr_t kAnswer = 0;             // lParam non-zero accepted, 0 rejected
constexpr std::uintptr_t kConnectionRequest = 1;  // lParam: the view's window
constexpr std::uintptr_t kAcknowledgement = 2;    // lParam 0
constexpr std::uintptr_t kTargetWindow = 3;       // lParam: where records go

Text registeredName(int nameNumber) {
    return u"Logger32 " + decimalText(nameNumber);
}

}  // namespace

Logger32Link::Logger32Link(const Logger32Parts& parts) : parts_(parts) {}

void Logger32Link::startSearch() {
    parts_.timer.start(connectTimerPeriodMs_);
}

void Logger32Link::stopSearch() {
    parts_.timer.kill();
}

bool Logger32Link::findWindow() {
    logger32Window_ = parts_.messenger.findLogger32();
    return logger32Window_ != 0;
}

void Logger32Link::restartSearch() {
    connectTimerPeriodMs_ = kSearchPeriodMs;
    startSearch();
}

void Logger32Link::onTimerTick() {
    if (connectTimerPeriodMs_ == kSearchPeriodMs) {
        onSearchTick();
    } else {
        onRetryTick();
    }
}

// While Logger32 is missing the timer keeps running; once found the first
// name is tried and the timer stops until an answer comes.
void Logger32Link::onSearchTick() {
    if (!findWindow()) {
        parts_.reports.writeLine(u"Logger32 not found\r\n");
        return;
    }
    parts_.reports.writeLine(u"Logger32 found\r\n");
    stopTimer();
    logger32Message_ = registeredMessage(1);
    parts_.reports.writeLine(u"Connected " + registeredName(1) + u"\r\n");
    postConnectionRequest();
}

void Logger32Link::onRetryTick() {
    const int number = nameNumber();
    if (number >= 1 && number < kNameCount) {
        logger32Message_ = registeredMessage(number + 1);
        postConnectionRequest();
        parts_.reports.writeLine(u"Attempting connection with " + registeredName(number + 1) +
                                 u"\r\n");
    } else if (number == kNameCount) {
        parts_.reports.writeLine(u"Unable to connect to Logger32\r\n");
    }
    stopTimer();
}

bool Logger32Link::onHandshakeMessage(std::uintptr_t wParam, std::uintptr_t lParam) {
    if (wParam == kAnswer && lParam != 0) {
        logger32Connected_ = true;
        parts_.reports.writeLine(u"Connection accepted\r\n");
        if (logger32Window_ != 0) {
            parts_.messenger.post(logger32Window_, logger32Message_, kAcknowledgement, 0);
        }
    } else if (wParam == kAnswer) {
        logger32Connected_ = false;
        parts_.reports.writeLine(u"Connection rejected\r\n");
        parts_.timer.kill();
        connectTimerPeriodMs_ = kRetryPeriodMs;
        parts_.timer.start(kRetryPeriodMs);
    } else if (wParam == kTargetWindow) {
        logger32Target_ = lParam;
        parts_.timer.kill();
    } else {
        return false;
    }
    return true;
}

int Logger32Link::nameNumber() const {
    for (int number = 1; number <= kNameCount; ++number) {
        if (logger32Message_ == registeredMessage(number)) return number;
    }
    return 0;
}

unsigned Logger32Link::registeredMessage(int nameNumber) const {
    return parts_.messenger.registerMessage(registeredName(nameNumber));
}

// Posting to no window would post to this thread's own queue.
void Logger32Link::postConnectionRequest() {
    if (logger32Window_ == 0) return;
    parts_.messenger.post(logger32Window_, logger32Message_, kConnectionRequest,
                          parts_.messenger.viewWindow());
}

void Logger32Link::stopTimer() {
    parts_.timer.kill();
    connectTimerPeriodMs_ = 0;
}

void Logger32Link::sendQsoRecord(const ContactFields& fields) {
    if (!logger32Connected_) {
        parts_.reports.writeLine(u"Logger32 not found\r\n");
        return;
    }
    Text record = logger32QsoFields(fields);
    if (record.empty() || logger32Target_ == 0) return;
    record += u'0';
    const std::optional<std::string> bytes = printableAscii(record);
    if (!bytes) {
        parts_.reports.showMessage(u"Logger32 accept only alphabet numbers symbols");
        return;
    }
    sendRecord(*bytes);
}

void Logger32Link::save() {
    sendRecord(kLogger32SaveRecord);
}

void Logger32Link::clear() {
    sendRecord(kLogger32ClearRecord);
}

void Logger32Link::sendRecord(const std::string& record) {
    if (logger32Connected_ && logger32Target_ != 0) {
        parts_.messenger.sendRecord(logger32Target_, record);
    }
}

}  // namespace qs::logging
