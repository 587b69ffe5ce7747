#pragma once
// The demo recording assets/demo/qso.wav: a short CQ and answer, keyed by
// the Morse test-audio generator. Everything here is fixed, so the file can
// be regenerated bit for bit (DemoRecording.DISABLED_RegenerateAsset).

#include <string>
#include <vector>

namespace qs::test {

inline constexpr const char* kDemoRecordingPath = "assets/demo/qso.wav";
inline constexpr int kDemoRecordingRateHz = 11025;

// The transmissions of the recording, in order.
std::vector<std::string> demoRecordingTexts();

// The recording's samples (mono, 11025 per second, 16-bit range).
std::vector<double> demoRecordingSamples();

}  // namespace qs::test
