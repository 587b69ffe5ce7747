#pragma once
// `qstn decode`: runs the receive path over a recording and prints what it
// decodes, as the receive window would show it.

#include <ostream>
#include <string>
#include <vector>

#include "tools/decode_options.h"
#include "tools/sample_source.h"

namespace qs::tools {

// Feeds every block of `source` through a receive chain set up as `options`
// say (their file names are not used). Writes the decoded text and one
// newline to `text`, and the hop trace to `trace` when it is not null.
void decodeSamples(SampleSource& source, const DecodeOptions& options, std::ostream& text,
                   std::ostream* trace);

// Decodes options.wavPath (and writes options.tracePath). Returns the exit
// status: 0 decoded, 2 when the recording or the trace file cannot be used
// (one line on `err`). A recording cut short is decoded as far as it goes,
// after a warning on `err`.
int runDecode(const DecodeOptions& options, std::ostream& out, std::ostream& err);

// The command with its arguments (after "decode"): parses, then runs.
int decodeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qs::tools
