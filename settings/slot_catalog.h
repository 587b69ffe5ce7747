#pragma once
// What each settings slot holds: named slot numbers for the code that reads
// and writes them, and a one-line meaning per slot for listings.

#include <string>

namespace qs::settings {

namespace slot {

// Twelve consecutive slots each: macro buttons 1 to 11, then the Auto CQ
// button (12).
inline constexpr int kFirstMacroText = 1;
inline constexpr int kFirstMacroCaption = 13;
inline constexpr int kFirstMacroColourIndex = 25;
inline constexpr int kMacroCount = 12;

inline constexpr int kKeyingPort = 37;      // "COM1" ... "COM15", "USBIF"
inline constexpr int kKeyingLine = 38;      // "RTS", "DTR"
inline constexpr int kSoundDevice = 39;     // device description; empty: first device
inline constexpr int kNoiseReduction = 40;  // "NoiseON1", "NoiseON2", "NoiseOFF"
inline constexpr int kQrmFilter = 41;       // "QRMON", "QRMOFF"
inline constexpr int kTone = 42;            // "ToneAUTO", "172" ... "948", "ToneNotAUTO"
inline constexpr int kAutoThreshold = 43;   // "ThreON", "ThreOFF"
inline constexpr int kInputVolume = 44;     // "1" ... "11"
inline constexpr int kMyCall = 45;
inline constexpr int kMyName = 46;
inline constexpr int kMyQth = 47;
inline constexpr int kOtherData = 48;
inline constexpr int kOptionString = 49;     // 22 characters, see option_string.h
inline constexpr int kThresholdDb = 50;      // signed decimal, e.g. "-45"
inline constexpr int kAudioChannel = 51;     // "RightTone", "LeftTone"
inline constexpr int kTxSpeedPosition = 52;  // "0" ... "31"
inline constexpr int kDecoder = 53;          // "AdaptiveON", "AdaptiveOFF"; empty in older files

inline constexpr int kLastInUse = 53;  // 54 to 80 are reserved

}  // namespace slot

// The meaning of slot `index` in plain English, e.g. "Caption of macro
// button 3" or "Reserved"; "Not a slot" outside 0 to 80.
std::string slotMeaning(int index);

}  // namespace qs::settings
