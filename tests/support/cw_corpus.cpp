#include "tests/support/cw_corpus.h"

#include <cmath>
#include <functional>
#include <random>

#include "tests/support/cw_signal.h"

namespace qs::test {

namespace {

constexpr double kRecordingS = 20.0;
constexpr double kNoiseAloneS = 60.0;
constexpr double kAmplitude = 8000.0;

constexpr const char* kWords[] = {
    "CQ", "DE",  "UR",  "RST",  "599", "5NN",   "NAME",  "QTH",  "HW",  "TNX",  "FB",     "OM",
    "ES", "73",  "GM",  "GE",   "K",   "BK",    "PSE",   "AGN",  "RIG", "ANT",  "WX",     "SUNNY",
    "TU", "QSL", "VIA", "BURO", "KEN", "TOKYO", "OSAKA", "HR",   "IS",  "100W", "DIPOLE", "=",
    "?",  "CFM", "QRZ", "TEST", "HPE", "CUAGN", "SOLID", "COPY", "WID", "QSB",  "/P",     "QRP",
};
constexpr const char* kCalls[] = {"JA1ABC", "JR2XYZ", "7K3QRS", "JH4UVW", "8J1RL",
                                  "DL2ABC", "W1AW",   "G4XYZ",  "VK2DEF", "JA7BCD/1"};

class Draw {
  public:
    explicit Draw(std::uint32_t seed) : engine_(seed) {}
    double between(double low, double high) {
        return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
    }
    std::size_t index(std::size_t count) { return engine_() % count; }

  private:
    std::mt19937 engine_;
};

struct Condition {
    const char* name;
    std::function<void(CwSignal&)> set;
};

void noisy(CwSignal& signal, double snrDb) {
    signal.noisy = true;
    signal.snrDb = snrDb;
}

std::vector<Condition> conditions() {
    return {
        {"clean", [](CwSignal&) {}},
        {"clean 40/Min", [](CwSignal& s) { s.charsPerMinute = 40.0; }},
        {"clean 180/Min", [](CwSignal& s) { s.charsPerMinute = 180.0; }},
        {"snr 10 dB", [](CwSignal& s) { noisy(s, 10.0); }},
        {"snr 6 dB", [](CwSignal& s) { noisy(s, 6.0); }},
        {"snr 3 dB", [](CwSignal& s) { noisy(s, 3.0); }},
        {"snr 0 dB", [](CwSignal& s) { noisy(s, 0.0); }},
        {"snr -3 dB", [](CwSignal& s) { noisy(s, -3.0); }},
        {"snr -6 dB", [](CwSignal& s) { noisy(s, -6.0); }},
        {"jitter 10%",
         [](CwSignal& s) {
             s.timingJitter = 0.1;
             noisy(s, 10.0);
         }},
        {"jitter 20%",
         [](CwSignal& s) {
             s.timingJitter = 0.2;
             noisy(s, 10.0);
         }},
        {"jitter 30%",
         [](CwSignal& s) {
             s.timingJitter = 0.3;
             noisy(s, 10.0);
         }},
        {"weight 40%",
         [](CwSignal& s) {
             s.weight = 0.4;
             noisy(s, 10.0);
         }},
        {"weight 60%",
         [](CwSignal& s) {
             s.weight = 0.6;
             noisy(s, 10.0);
         }},
        {"dash 2.5",
         [](CwSignal& s) {
             s.dashUnits = 2.5;
             noisy(s, 10.0);
         }},
        {"dash 4",
         [](CwSignal& s) {
             s.dashUnits = 4.0;
             noisy(s, 10.0);
         }},
        {"rise 1 ms",
         [](CwSignal& s) {
             s.riseMs = 1.0;
             noisy(s, 10.0);
         }},
        {"rise 10 ms",
         [](CwSignal& s) {
             s.riseMs = 10.0;
             noisy(s, 10.0);
         }},
        {"fading 10 dB",
         [](CwSignal& s) {
             s.fadeDepthDb = 10.0;
             noisy(s, 10.0);
         }},
        {"fading 20 dB",
         [](CwSignal& s) {
             s.fadeDepthDb = 20.0;
             noisy(s, 20.0);
         }},
        {"station 80 Hz",
         [](CwSignal& s) {
             s.interfererOffsetHz = 80.0;
             noisy(s, 10.0);
         }},
        {"station 150 Hz",
         [](CwSignal& s) {
             s.interfererOffsetHz = -150.0;
             noisy(s, 10.0);
         }},
        {"station 300 Hz",
         [](CwSignal& s) {
             s.interfererOffsetHz = 300.0;
             noisy(s, 10.0);
         }},
        {"station 300 Hz, -6 dB",
         [](CwSignal& s) {
             s.interfererOffsetHz = -300.0;
             noisy(s, -6.0);
         }},
        {"clicks",
         [](CwSignal& s) {
             s.clicksPerS = 4.0;
             noisy(s, 10.0);
         }},
        {"stereo", [](CwSignal& s) { noisy(s, 6.0); }},
        {"speed change",
         [](CwSignal& s) {
             s.laterCharsPerMinute = s.charsPerMinute * 1.6;
             noisy(s, 10.0);
         }},
        {"drift 30 Hz",
         [](CwSignal& s) {
             s.driftHz = 30.0;
             noisy(s, 10.0);
         }},
        {"snr -9 dB", [](CwSignal& s) { noisy(s, -9.0); }},
        {"snr -12 dB", [](CwSignal& s) { noisy(s, -12.0); }},
    };
}

CorpusRecording makeRecording(const Condition& condition, Draw& draw, std::uint32_t seed) {
    CwSignal signal;
    signal.charsPerMinute = std::round(draw.between(40.0, 180.0));
    signal.toneHz = std::round(draw.between(400.0, 850.0));
    signal.amplitude = kAmplitude;
    signal.seed = seed;
    condition.set(signal);
    if (signal.laterCharsPerMinute > 180.0) {
        signal.charsPerMinute = std::min(signal.charsPerMinute, 110.0);
        signal.laterCharsPerMinute = signal.charsPerMinute * 1.6;
    }
    const bool stereo = std::string(condition.name) == "stereo";
    const double averageCpm = signal.laterCharsPerMinute > 0.0
                                  ? 0.5 * (signal.charsPerMinute + signal.laterCharsPerMinute)
                                  : signal.charsPerMinute;
    CorpusRecording recording{condition.name,
                              corpusText(seed, averageCpm, kRecordingS - 2.0),
                              signal.charsPerMinute,
                              signal.toneHz,
                              stereo,
                              {},
                              {}};
    std::vector<double> audio = cwAudio(recording.text, signal);
    if (stereo) {
        recording.left = noiseAlone(kRecordingS, kAmplitude, 0.0, seed + 1);
        recording.right = std::move(audio);
    } else {
        recording.left = std::move(audio);
    }
    return recording;
}

// Characters of a text on the 50-unit word: a letter with its gap counts
// about 10 units on average, a word space 4 more.
double textUnits(const std::string& text) {
    double units = 0.0;
    for (const char c : text) units += c == ' ' ? 4.0 : 10.0;
    return units;
}

}  // namespace

std::string corpusText(std::uint32_t seed, double charsPerMinute, double seconds) {
    Draw draw(seed * 2654435761u + 1u);
    const double units = seconds * charsPerMinute / 6.0 * 1.0;
    std::string text = kCalls[draw.index(std::size(kCalls))];
    while (true) {
        const bool call = draw.index(5) == 0;
        const std::string word =
            call ? kCalls[draw.index(std::size(kCalls))] : kWords[draw.index(std::size(kWords))];
        if (textUnits(text + " " + word) > units) break;
        text += " " + word;
    }
    return text;
}

std::vector<CorpusRecording> buildCorpus(std::uint32_t seed, int perCondition) {
    std::vector<CorpusRecording> corpus;
    Draw draw(seed);
    std::uint32_t recordingSeed = seed * 1000u;
    for (const Condition& condition : conditions()) {
        for (int k = 0; k < perCondition; ++k)
            corpus.push_back(makeRecording(condition, draw, ++recordingSeed));
    }
    corpus.push_back({"noise alone",
                      "",
                      0.0,
                      0.0,
                      false,
                      noiseAlone(kNoiseAloneS, kAmplitude, 0.0, ++recordingSeed),
                      {}});
    return corpus;
}

}  // namespace qs::test
