#pragma once
// Identifiers of the operating screen's controls. The portable core names
// controls by these ids when it asks the form to check a box or show a label.

namespace qs::control {

inline constexpr int kRxSpeedSlider = 1017;
inline constexpr int kTxSpeedSlider = 1018;
inline constexpr int kInputGainSlider = 1019;
inline constexpr int kRxSpeedAuto = 1020;
inline constexpr int kNoiseReduction1 = 1021;
inline constexpr int kNoiseReduction2 = 1022;
inline constexpr int kQrmFilter = 1023;
inline constexpr int kTxEditHold = 1024;
inline constexpr int kRxSpeedLabel = 1025;
inline constexpr int kTxSpeedLabel = 1026;
inline constexpr int kToneAuto = 1028;
inline constexpr int kHisCall = 1029;
inline constexpr int kReceiveWindow = 1036;
inline constexpr int kTransmitBox = 1037;
inline constexpr int kLevelDisplay = 1038;
inline constexpr int kSpectrumDisplay = 1039;
inline constexpr int kLowerScaleLabel = 1040;
inline constexpr int kUpperScaleLabel = 1041;
inline constexpr int kThresholdLabel = 1042;
inline constexpr int kToneLabel = 1043;
inline constexpr int kRxEqualsTx = 1062;
inline constexpr int kAutoThreshold = 1065;

}  // namespace qs::control
