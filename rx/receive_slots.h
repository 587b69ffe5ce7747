#pragma once
// Settings slots written by the receive-side controls, and their keywords.

namespace qs::rx::slot {

inline constexpr int kNoiseReduction = 40;  // "NoiseON1", "NoiseON2", "NoiseOFF"
inline constexpr int kQrmFilter = 41;       // "QRMON", "QRMOFF"
inline constexpr int kTone = 42;            // a tone label, "ToneAUTO", "ToneNotAUTO"
inline constexpr int kAutoThreshold = 43;   // "ThreON", "ThreOFF"
inline constexpr int kInputGain = 44;       // slider position 1..11
inline constexpr int kThresholdDb = 50;     // threshold in dB

}  // namespace qs::rx::slot
