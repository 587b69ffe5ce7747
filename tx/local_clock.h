#pragma once
// The local time of day, as the greeting of the macro tags needs it. An
// interface so that tests can pick the hour.

namespace qs::tx {

class LocalClock {
public:
    virtual ~LocalClock() = default;
    // Local hour, 0..23.
    virtual int localHour() const = 0;
};

// The computer's clock in its local time zone. Not thread-safe (it uses the
// library's shared local-time buffer); call it from the user-interface thread.
class SystemLocalClock : public LocalClock {
public:
    int localHour() const override;
};

}  // namespace qs::tx
