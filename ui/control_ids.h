#pragma once
// Identifiers of the operating screen's controls. The portable core names
// controls by these ids when it asks the form to check a box or show a label.

namespace qs::control {

inline constexpr int kClear = 1000;            // "Clear (Esc)"
inline constexpr int kQso = 1001;              // "QSO (F6)"
inline constexpr int kSave = 1002;             // "SAVE (F7)"
inline constexpr int kRxClear = 1003;          // "RX Clear"
inline constexpr int kTxClear = 1004;          // "TX Clear"
inline constexpr int kFirstMacroLabel = 1005;  // macro 1; macro k is 1004 + k
inline constexpr int kAutoCqLabel = 1016;      // macro 12
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
inline constexpr int kPortLabel = 1027;
inline constexpr int kToneAuto = 1028;
inline constexpr int kHisCall = 1029;
inline constexpr int kHisName = 1030;
inline constexpr int kHisQth = 1031;
inline constexpr int kHisRst = 1032;
inline constexpr int kMyRst = 1033;
inline constexpr int kGreeting = 1034;
inline constexpr int kSoundDevice = 1035;
inline constexpr int kReceiveWindow = 1036;
inline constexpr int kTransmitBox = 1037;
inline constexpr int kLevelDisplay = 1038;
inline constexpr int kSpectrumDisplay = 1039;
inline constexpr int kLowerScaleLabel = 1040;
inline constexpr int kUpperScaleLabel = 1041;
inline constexpr int kThresholdLabel = 1042;
inline constexpr int kToneLabel = 1043;
inline constexpr int kStagingEdit = 1044;  // hidden: text taken from the receive window
inline constexpr int kRxEqualsTx = 1062;
inline constexpr int kHisCallGroup = 1063;
inline constexpr int kAutoThreshold = 1065;
inline constexpr int kHisQthGroup = 1066;

// Captions, group boxes and scale marks that no code addresses.
inline constexpr int kFirstDecoration = 1100;

inline constexpr int kMacroCount = 12;
inline constexpr int macroLabel(int macro) {
    return kFirstMacroLabel - 1 + macro;
}

}  // namespace qs::control
