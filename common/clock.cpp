#include "common/clock.h"

namespace qs {

namespace {

std::tm copyOrZero(const std::tm* time) {
    return time ? *time : std::tm{};
}

}  // namespace

std::tm SystemClock::localTime() const {
    const std::time_t now = std::time(nullptr);
    return copyOrZero(std::localtime(&now));
}

std::tm SystemClock::utcTime() const {
    const std::time_t now = std::time(nullptr);
    return copyOrZero(std::gmtime(&now));
}

Text formatTime(const std::tm& time, const char* format) {
    char buffer[128];
    const size_t length = std::strftime(buffer, sizeof buffer, format, &time);
    return fromAscii(std::string_view(buffer, length));
}

}  // namespace qs
