#pragma once
// `qstn encode`: sends a text through the real keying engine on a virtual
// clock and writes the keyed line as a tone in a WAV file.

#include <ostream>
#include <string>
#include <vector>

#include "common/text.h"
#include "tools/encode_options.h"
#include "tx/keyer_timeline.h"

namespace qs::tools {

inline constexpr long long kTrailingSilenceMs = 1000;
inline constexpr long long kMaxEncodedMs = 20 * 60 * 1000;  // what one WAV file may hold

// What the keying engine did with a text; times in ms from the start of the
// keying timer, which is also the start of the audio.
struct KeyedText {
    bool complete = false;  // false: the text takes longer than kMaxEncodedMs
    std::vector<tx::KeyerEvent> events;
    long long durationMs = 0;  // the audio: until the text is sent, plus the silence after
    Text skipped;              // characters the send table lacks, in order
};

// The text as the transmit box holds it: letters a to z in capitals.
Text transmitBoxText(const std::string& utf8Text);

// Runs the engine over options.text at the options' speed, weights and
// PTT lead.
KeyedText keyText(const EncodeOptions& options);

// The audio of a keyed text at the options' tone, noise and seed.
std::vector<double> keyedTextAudio(const KeyedText& keyed, const EncodeOptions& options);

// One line per key, PTT or sent-character event: "114 KEY_DOWN", "57 ECHO C".
void printTimeline(const KeyedText& keyed, std::ostream& out);

// Encodes options.text into options.wavPath. Returns the exit status: 0
// written, 2 when the text is too long or the file cannot be written (one
// line on `err`).
int runEncode(const EncodeOptions& options, std::ostream& out, std::ostream& err);

// The command with its arguments (after "encode"): parses, then runs.
int encodeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qs::tools
