#include "tools/encode_command.h"

#include "rx/morse_tables.h"
#include "settings/option_string.h"
#include "tools/key_line_audio.h"
#include "tools/wav_writer.h"
#include "tx/ptt_lead_option.h"

namespace qs::tools {

namespace {

using tx::KeyerEvent;

constexpr TextView kEchoOn = u"E";  // any option character but "N" echoes

// The built-in option string with the echo on and the options' weights and
// PTT lead.
Text keyingOptionString(const EncodeOptions& options) {
    namespace option = settings::option;
    Text optionString = settings::kBuiltInOptionString;
    optionString[option::kEchoToRx] = kEchoOn.front();
    const int weightPositions[] = {option::kDotWeight, option::kDashWeight,
                                   option::kCharSpaceWeight, option::kWordSpaceWeight};
    for (std::size_t k = 0; k < options.weights.size(); ++k) {
        optionString[weightPositions[k]] = static_cast<char16_t>(u'0' + options.weights[k]);
    }
    optionString[option::kPttLead] = tx::pttLeadOption(options.pttLeadMs);
    return optionString;
}

bool isSentCharacter(const KeyerEvent& event) {
    return event.kind == KeyerEvent::Kind::Echo && event.format == rx::TextFormat::Sent &&
           event.text.size() == 1;
}

const char* lineEventName(KeyerEvent::Kind kind) {
    switch (kind) {
        case KeyerEvent::Kind::KeyDown:
            return "KEY_DOWN";
        case KeyerEvent::Kind::KeyUp:
            return "KEY_UP";
        case KeyerEvent::Kind::PttOn:
            return "PTT_ON";
        case KeyerEvent::Kind::PttOff:
            return "PTT_OFF";
        default:
            return nullptr;
    }
}

KeyLineSound soundOf(const EncodeOptions& options) {
    KeyLineSound sound;
    sound.toneHz = options.toneHz;
    if (options.snrDb) sound.snrDb = *options.snrDb;
    sound.seed = static_cast<std::uint32_t>(options.seed);
    return sound;
}

}  // namespace

Text transmitBoxText(const std::string& utf8Text) {
    Text text = fromUtf8(utf8Text);
    for (char16_t& c : text) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return text;
}

KeyedText keyText(const EncodeOptions& options) {
    tx::KeyerTimeline timeline(rx::patternFor);
    timeline.keyer().updateTxSpeed(options.speedIndex);
    timeline.keyer().applyKeyingOptions(keyingOptionString(options));
    timeline.appendText(transmitBoxText(options.text));

    KeyedText keyed;
    keyed.complete = timeline.runUntilSent(kMaxEncodedMs - kTrailingSilenceMs);
    keyed.events = timeline.events();
    const long long sentMs = timeline.nowMs() - timeline.periodMs();  // the tick that found it sent
    keyed.durationMs = sentMs + kTrailingSilenceMs;
    for (const KeyerEvent& event : keyed.events) {
        if (event.kind == KeyerEvent::Kind::Echo && event.format == rx::TextFormat::Notice) {
            keyed.skipped += event.text;
        }
    }
    return keyed;
}

std::vector<double> keyedTextAudio(const KeyedText& keyed, const EncodeOptions& options) {
    return renderKeyLine(keyMarks(keyed.events, keyed.durationMs), keyed.durationMs,
                         soundOf(options));
}

void printTimeline(const KeyedText& keyed, std::ostream& out) {
    for (const KeyerEvent& event : keyed.events) {
        if (const char* name = lineEventName(event.kind)) {
            out << event.timeMs << ' ' << name << '\n';
        } else if (isSentCharacter(event)) {
            out << event.timeMs << " ECHO " << toUtf8(event.text) << '\n';
        }
    }
}

int runEncode(const EncodeOptions& options, std::ostream& out, std::ostream& err) {
    const KeyedText keyed = keyText(options);
    if (!keyed.complete) {
        err << "qstn encode: the text takes longer than " << kMaxEncodedMs / 60000
            << " minutes to send; send it in parts\n";
        return 2;
    }
    if (!keyed.skipped.empty()) {
        err << "qstn encode: not in the send table, skipped: " << toUtf8(keyed.skipped) << '\n';
    }
    if (!writeWavFile(options.wavPath, kKeyLineRateHz, {keyedTextAudio(keyed, options)})) {
        err << "qstn encode: " << options.wavPath << ": cannot write the file\n";
        return 2;
    }
    if (options.printTimeline) printTimeline(keyed, out);
    return 0;
}

int encodeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const EncodeArguments parsed = parseEncodeArguments(args);
    if (!parsed.error.empty()) {
        err << "qstn encode: " << parsed.error << "\n"
            << "usage: qstn encode [options] -o OUT.wav \"TEXT\" (qstn encode --help lists the "
               "options)\n";
        return 2;
    }
    if (parsed.helpWanted) {
        out << encodeHelp();
        return 0;
    }
    return runEncode(parsed.options, out, err);
}

}  // namespace qs::tools
