#pragma once
// Writes 16-bit PCM WAV files (mono or stereo): test recordings, the demo
// recording, and what the tool produces.

#include <string>
#include <vector>

namespace qs::tools {

// The bytes of a canonical 16-bit PCM WAV file (RIFF, fmt, data). Each
// channel holds samples in 16-bit units as doubles; they are rounded to the
// nearest integer and clamped to -32768..32767. All channels must be equally
// long; an empty list gives a file without channels, which no reader accepts.
std::string wavFileBytes(int sampleRateHz, const std::vector<std::vector<double>>& channels);

// Writes wavFileBytes() to `path`; false when the file cannot be written.
bool writeWavFile(const std::string& path, int sampleRateHz,
                  const std::vector<std::vector<double>>& channels);

}  // namespace qs::tools
