#include "tx/local_clock.h"

#include <ctime>

namespace qs::tx {

int SystemLocalClock::localHour() const {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local != nullptr ? local->tm_hour : 0;
}

}  // namespace qs::tx
