#pragma once
// Fixed dimensions of the receive path.

namespace qs::rx {

inline constexpr int kSampleRate = 11025;        // samples per second
inline constexpr int kBlockSamples = 1024;       // one captured half-buffer, about 92.9 ms
inline constexpr int kHopSamples = 32;           // one hop, about 2.9 ms
inline constexpr int kHopsPerBlock = kBlockSamples / kHopSamples;
inline constexpr int kWindowSamples = 300;       // one analysis window
inline constexpr int kHistoryWindows = 9;        // windows that start in the previous block
inline constexpr int kSpectrumSize = 512;        // block spectrum transform length
inline constexpr int kHopTransformSize = 256;    // per-hop transform length

inline constexpr int kMinToneBin = 8;            // "172" Hz
inline constexpr int kMaxToneBin = 44;           // "948" Hz
inline constexpr int kDefaultToneBin = 28;       // "603" Hz
inline constexpr int kShownBins = 29;            // bins on the spectrum display

inline constexpr int kMinLevelDb = -90;
inline constexpr int kMaxLevelDb = 0;

inline constexpr int kSpeedSteps = 32;           // speed index 0..31
inline constexpr int kDefaultSpeedIndex = 15;    // 100/Min

// Characters per minute at a speed index: 25, 30, ... 180.
constexpr int speedTableCpm(int speedIndex) { return 25 + 5 * speedIndex; }
// Dot time of the 50-unit word at a speed index, in milliseconds.
constexpr double dotTimeMs(int speedIndex) { return 6000.0 / speedTableCpm(speedIndex); }

}  // namespace qs::rx
