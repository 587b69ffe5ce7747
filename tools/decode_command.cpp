#include "tools/decode_command.h"

#include <fstream>
#include <memory>

#include "rx/display_canvas.h"
#include "rx/receive_chain.h"
#include "tools/decode_trace.h"

namespace qs::tools {

namespace {

constexpr int kLevelCanvasHeightPx = 55;
constexpr int kSpectrumCanvasWidthPx = 176;  // draws nothing; only its size is asked
constexpr int kSpectrumCanvasHeightPx = 55;

void warnIfCutShort(const DecodeOptions& options, const WavFormat& format, std::ostream& err) {
    if (!format.truncated()) return;
    err << "qstn decode: " << options.wavPath << ": warning: the recording is cut short ("
        << format.presentDataBytes << " of " << format.declaredDataBytes
        << " bytes of samples present); decoding what is there\n";
}

}  // namespace

void decodeSamples(SampleSource& source, const DecodeOptions& options, std::ostream& text,
                   std::ostream* trace) {
    rx::ReceiveSettings settings;
    applyDecodeOptions(options, settings);

    std::unique_ptr<DecodeTrace> tracer;
    if (trace != nullptr) tracer = std::make_unique<DecodeTrace>(*trace);
    rx::NoIndicators noIndicators;
    rx::ReceiveIndicators& indicators =
        tracer ? static_cast<rx::ReceiveIndicators&>(*tracer) : noIndicators;
    DecodedTextPrinter printer(text, tracer.get());
    rx::BlindCanvas levelCanvas(options.displayWidthPx, kLevelCanvasHeightPx);
    rx::BlindCanvas spectrumCanvas(kSpectrumCanvasWidthPx, kSpectrumCanvasHeightPx);

    auto chain = std::make_unique<rx::ReceiveChain>(
        settings, rx::ReceiveChain::Outputs{printer, indicators, levelCanvas, spectrumCanvas});
    chain->setHopObserver(tracer.get());
    while (source.nextBlock(chain->rawBlock())) chain->processBlock();
    text << '\n';
}

int runDecode(const DecodeOptions& options, std::ostream& out, std::ostream& err) {
    WavSampleSource source;
    if (const WavStatus status = source.open(options.wavPath, options.channel); !status.ok()) {
        err << "qstn decode: " << options.wavPath << ": " << status.error << '\n';
        return 2;
    }
    std::ofstream traceFile;
    if (!options.tracePath.empty()) {
        traceFile.open(options.tracePath, std::ios::trunc);
        if (!traceFile) {
            err << "qstn decode: " << options.tracePath << ": cannot write the trace file\n";
            return 2;
        }
    }
    warnIfCutShort(options, source.format(), err);
    decodeSamples(source, options, out, traceFile.is_open() ? &traceFile : nullptr);
    return 0;
}

int decodeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const DecodeArguments parsed = parseDecodeArguments(args);
    if (!parsed.error.empty()) {
        err << "qstn decode: " << parsed.error << "\n"
            << "usage: qstn decode [options] FILE.wav (qstn decode --help lists the options)\n";
        return 2;
    }
    if (parsed.helpWanted) {
        out << decodeHelp();
        return 0;
    }
    return runDecode(parsed.options, out, err);
}

}  // namespace qs::tools
