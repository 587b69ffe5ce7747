#pragma once
// A clock stopped at a chosen local time (7 March 2024, 09:05 unless set).

#include "common/clock.h"

namespace qs::test {

class FakeClock : public Clock {
public:
    FakeClock() { setLocal(9, 5); }
    explicit FakeClock(int hour) { setLocal(hour, 0); }

    void setLocal(int hour, int minute) {
        local_ = std::tm{};
        local_.tm_year = 2024 - 1900;
        local_.tm_mon = 2;
        local_.tm_mday = 7;
        local_.tm_hour = hour;
        local_.tm_min = minute;
    }
    std::tm localTime() const override { return local_; }
    std::tm utcTime() const override { return std::tm{}; }

private:
    std::tm local_;
};

}  // namespace qs::test
