#pragma once
// The computer's clock as broken-down local and UTC time, behind an
// interface so that time stamps can be tested at chosen times.

#include <ctime>

#include "common/text.h"

namespace qs {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::tm localTime() const = 0;
    virtual std::tm utcTime() const = 0;
};

// The system clock. Uses the C library's shared conversion buffers: call it
// from the user-interface thread only.
class SystemClock : public Clock {
public:
    std::tm localTime() const override;
    std::tm utcTime() const override;
};

// `time` formatted with a strftime format of ASCII conversions such as
// "%Y%m%d[%H%MJ]".
Text formatTime(const std::tm& time, const char* format);

}  // namespace qs
