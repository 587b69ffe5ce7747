#pragma once
// The keying line as a receiver hears it: a tone switched on and off by the
// key, with raised-cosine edges so that it does not click, optionally in
// white noise. 11025 samples per second, 16-bit sample values as doubles.
//
// This renders what the keying engine did; the tests' own Morse generator
// (tests/support/morse_audio.h) is a separate reference and is not used here.

#include <cstdint>
#include <optional>
#include <vector>

#include "tx/keyer_timeline.h"

namespace qs::tools {

inline constexpr int kKeyLineRateHz = 11025;

// One key-down interval, in milliseconds from the start of the audio.
struct KeyMark {
    long long downMs;
    long long upMs;
};

struct KeyLineSound {
    int toneHz = 600;
    double amplitude = 4000.0;  // peak of the tone, 16-bit units (-18 dB of full scale)
    double edgeMs = 5.0;        // each edge starts at its key instant
    // Tone power over noise power across the whole band, 0 to 5512 Hz; none:
    // no noise.
    std::optional<double> snrDb;
    std::uint32_t seed = 1;  // the same seed gives the same noise
};

// The key-down intervals of an engine's line events; PTT and echoes are not
// heard. A key-down that is still down at `endMs` lasts until then.
std::vector<KeyMark> keyMarks(const std::vector<tx::KeyerEvent>& events, long long endMs);

// `durationMs` of audio with the tone keyed during `marks`. The tone's phase
// runs on through the gaps, as a transmitter's oscillator does.
std::vector<double> renderKeyLine(const std::vector<KeyMark>& marks, long long durationMs,
                                  const KeyLineSound& sound);

}  // namespace qs::tools
