#pragma once
// Compact views of a keyer timeline for test expectations.

#include <string>
#include <vector>

#include "common/text.h"
#include "rx/morse_tables.h"
#include "tx/keyer_timeline.h"

namespace qs::tx::test {

inline const char* kindName(KeyerEvent::Kind kind) {
    static const char* const kNames[] = {"down",      "up",         "ptt-on", "ptt-off",
                                         "hamlog-on", "hamlog-off", "echo",   "message"};
    return kNames[static_cast<int>(kind)];
}

// Line events as "114 down, 174 up".
inline std::string lineTrace(const KeyerTimeline& timeline) {
    std::string trace;
    for (const KeyerEvent& event : timeline.lineEvents()) {
        if (!trace.empty()) trace += ", ";
        trace += std::to_string(event.timeMs) + " " + kindName(event.kind);
    }
    return trace;
}

// Runs `count` ticks and returns the period that followed each.
inline std::vector<long long> periodsAfterTicks(KeyerTimeline& timeline, int count) {
    std::vector<long long> periods;
    for (int i = 0; i < count; ++i) {
        const long long before = timeline.nowMs();
        timeline.tick();
        periods.push_back(timeline.nowMs() - before);
    }
    return periods;
}

// Key-down durations and the key-up gaps between them, in order:
// "60 | 180 | 60".
inline std::string markSpaceTrace(const KeyerTimeline& timeline) {
    std::string trace;
    long long last = -1;
    for (const KeyerEvent& event : timeline.lineEvents()) {
        if (event.kind != KeyerEvent::Kind::KeyDown && event.kind != KeyerEvent::Kind::KeyUp) {
            continue;
        }
        if (last >= 0) trace += (trace.empty() ? "" : " | ") + std::to_string(event.timeMs - last);
        last = event.timeMs;
    }
    return trace;
}

}  // namespace qs::tx::test
