// quillstone_capture_probe: captures from the default sound capture device
// through DirectSound for a number of seconds, exactly as the terminal does,
// runs the receive chain on it and prints the decoded text on stdout. The
// device list, messages, "capturing" when the first block has arrived, and a
// summary go to stderr. With --record, the
// blocks the receive chain got are also written to a mono WAV file, which
// `qstn decode` reads to the same text. With --window yes, the level and
// spectrum displays are drawn into a window by the capture thread, as on the
// operating form.
// Usage: quillstone_capture_probe [--seconds N] [--channel left|right]
//                                 [--record FILE.wav] [--window yes]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "rx/audio_capture_win32.h"
#include "rx/canvas_until_stop.h"
#include "rx/capture_session.h"
#include "rx/display_canvas.h"
#include "rx/display_canvas_win32.h"
#include "rx/receive_chain.h"

namespace qs::rx {
namespace {

constexpr int kDefaultSeconds = 10;

class ListedDevices : public SoundDeviceCombo {
public:
    void addEntry(TextView description, const CaptureDeviceId* device) override {
        entries_.push_back({Text(description), device});
    }
    int selectedEntry() const override { return selected_; }
    Text entryText(int entry) const override { return entries_.at(entry).text; }
    const CaptureDeviceId* entryDevice(int entry) const override {
        return entry >= 0 && entry < entryCount() ? entries_[entry].device : nullptr;
    }
    void selectEntry(int entry) override { selected_ = entry; }
    int entryCount() const override { return static_cast<int>(entries_.size()); }

    void print() const {
        for (size_t i = 0; i < entries_.size(); ++i) {
            std::fprintf(stderr, "device %zu: %s%s\n", i, toUtf8(entries_[i].text).c_str(),
                         entries_[i].device == nullptr ? " (default)" : "");
        }
    }

private:
    struct Entry {
        Text text;
        const CaptureDeviceId* device;
    };
    std::vector<Entry> entries_;
    int selected_ = -1;
};

class ConsoleDesktop : public CaptureDesktop {
public:
    void showError(TextView text) override { showMessage(text); }
    void showMessage(TextView text) override {
        std::fprintf(stderr, "message: %s\n", toUtf8(text).c_str());
    }
    bool openProgram(TextView, TextView) override { return false; }
};

class NoForm : public ReceiveForm {
public:
    void setChecked(int, bool) override {}
    void showScale(bool) override {}
    Text rxSpeedLabel() const override { return Text(); }
    void returnFocusToTransmitBox() override {}
};

class NoSlots : public SettingsSlots {
public:
    void setSlot(int, TextView) override {}
};

class TextPrinter : public DecodedTextSink {
public:
    void appendReceived(TextView text) override {
        std::fputs(toUtf8(text).c_str(), stdout);
        std::fflush(stdout);
    }
    void appendWordSpace() override { appendReceived(u" "); }
};

struct ProbeOptions {
    int seconds = kDefaultSeconds;
    int channel = kLeftChannel;
    std::string recordPath;  // empty: no recording
    bool window = false;
};

// The two displays in the sizes they have on the form, or blind canvases of
// those sizes without a window.
struct Displays {
    std::unique_ptr<DisplayCanvas> level;
    std::unique_ptr<DisplayCanvas> spectrum;
};

Displays blindDisplays() {
    return {std::make_unique<BlindCanvas>(176, 95), std::make_unique<BlindCanvas>(175, 95)};
}

Displays windowDisplays() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = DefWindowProcW;
    frameClass.hInstance = instance;
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = L"QuillstoneCaptureProbe";
    RegisterClassW(&frameClass);
    const HWND frame = CreateWindowExW(0, frameClass.lpszClassName, L"Quillstone capture probe",
                                       WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 460, 200, nullptr,
                                       nullptr, instance, nullptr);
    auto display = [&](int x, int width, int id) {
        return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, x, 33, width, 95, frame,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                               nullptr);
    };
    return {std::make_unique<GdiDisplayCanvas>(display(20, 176, 1038)),
            std::make_unique<GdiDisplayCanvas>(display(240, 175, 1039))};
}

// Keeps the window responsive while the capture runs.
void runFor(int seconds, bool pumpMessages) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    if (!pumpMessages) {
        std::this_thread::sleep_until(deadline);
        return;
    }
    for (auto now = std::chrono::steady_clock::now(); now < deadline;
         now = std::chrono::steady_clock::now()) {
        const auto leftMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(leftMs) + 1, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Counts the blocks, times their arrival and keeps each block's samples as
// the chain got them. Runs on the capture thread; the recording is sized up
// front.
class BlockRecorder : public HopObserver {
public:
    using Clock = std::chrono::steady_clock;

    BlockRecorder(ReceiveChain& chain, int seconds, bool keepSamples) : chain_(chain) {
        if (keepSamples) samples_.reserve(static_cast<size_t>(seconds + 5) * kSampleRate);
        keepSamples_ = keepSamples;
    }

    void afterHop(const HopReport& report) override {
        if (report.hop % kHopsPerBlock != 0) return;
        noteArrival();
        if (!keepSamples_ || samples_.size() + kBlockSamples > samples_.capacity()) return;
        for (const double sample : chain_.rawBlock()) {
            samples_.push_back(static_cast<std::int16_t>(sample));
        }
    }

    bool writeWav(const std::string& path) const;

    void printSummary(long long stopMs) const {
        const auto sinceStart = [&](Clock::time_point t) {
            return std::chrono::duration_cast<std::chrono::milliseconds>(t - start_).count();
        };
        std::fprintf(stderr,
                     "blocks processed: %lld, the first after %lld ms, the last after %lld ms, "
                     "longest pause between two %lld ms; capture stopped in %lld ms\n",
                     blocks_, blocks_ > 0 ? static_cast<long long>(sinceStart(first_)) : -1LL,
                     blocks_ > 0 ? static_cast<long long>(sinceStart(last_)) : -1LL,
                     static_cast<long long>(longestPauseMs_), stopMs);
    }

private:
    void noteArrival() {
        const Clock::time_point now = Clock::now();
        if (blocks_ == 0) {
            first_ = now;
            std::fputs("capturing\n", stderr);
            std::fflush(stderr);  // redirected, it is buffered
        } else {
            const auto pauseMs =
                std::chrono::duration_cast<std::chrono::milliseconds>(now - last_).count();
            longestPauseMs_ = std::max<long long>(longestPauseMs_, pauseMs);
        }
        last_ = now;
        ++blocks_;
    }

    ReceiveChain& chain_;
    bool keepSamples_ = false;
    std::vector<std::int16_t> samples_;
    const Clock::time_point start_ = Clock::now();
    Clock::time_point first_;
    Clock::time_point last_;
    long long blocks_ = 0;
    long long longestPauseMs_ = 0;
};

void putLittleEndian(std::FILE* file, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((value >> (8 * i)) & 0xFF), file);
}

// 16-bit mono PCM at the capture rate.
bool BlockRecorder::writeWav(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples_.size() * 2);
    std::fputs("RIFF", file);
    putLittleEndian(file, 36 + dataBytes, 4);
    std::fputs("WAVEfmt ", file);
    putLittleEndian(file, 16, 4);
    putLittleEndian(file, 1, 2);  // PCM
    putLittleEndian(file, 1, 2);  // mono
    putLittleEndian(file, kSampleRate, 4);
    putLittleEndian(file, kSampleRate * 2, 4);
    putLittleEndian(file, 2, 2);
    putLittleEndian(file, 16, 2);
    std::fputs("data", file);
    putLittleEndian(file, dataBytes, 4);
    for (const std::int16_t sample : samples_) {
        putLittleEndian(file, static_cast<std::uint16_t>(sample), 2);
    }
    return std::fclose(file) == 0;
}

int runProbe(const ProbeOptions& options) {
    ReceiveSettings settings;
    CaptureControl control;
    TextPrinter printer;
    NoIndicators indicators;
    const Displays displays = options.window ? windowDisplays() : blindDisplays();
    CanvasUntilStop spectrumCanvas(*displays.spectrum, control.captureStopFlag);
    auto chain = std::make_unique<ReceiveChain>(
        settings, ReceiveChain::Outputs{printer, indicators, *displays.level, spectrumCanvas});
    BlockRecorder recorder(*chain, options.seconds, !options.recordPath.empty());
    chain->setHopObserver(&recorder);

    DirectSoundCapture backend;
    ListedDevices devices;
    ConsoleDesktop desktop;
    NoForm form;
    NoSlots slots;
    CaptureSession session({backend, control, settings, *chain, devices, form, desktop, slots});

    session.enumerateDevices();
    devices.print();
    session.chooseChannel(options.channel);
    if (!session.captureRunning()) return 1;
    runFor(options.seconds, options.window);

    session.raiseStopFlag();
    const auto stopBegin = std::chrono::steady_clock::now();
    session.stopCapture();
    const auto stopMs = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - stopBegin);
    std::fputs("\n", stdout);
    recorder.printSummary(stopMs.count());
    if (!options.recordPath.empty() && !recorder.writeWav(options.recordPath)) {
        std::fprintf(stderr, "cannot write %s\n", options.recordPath.c_str());
        return 1;
    }
    return 0;
}

// False for arguments it does not know.
bool parseOptions(int argc, char** argv, ProbeOptions& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--seconds") {
            options.seconds = std::atoi(value.c_str());
        } else if (name == "--channel" && (value == "left" || value == "right")) {
            options.channel = value == "right" ? kRightChannel : kLeftChannel;
        } else if (name == "--record") {
            options.recordPath = value;
        } else if (name == "--window" && value == "yes") {
            options.window = true;
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && options.seconds > 0;
}

}  // namespace
}  // namespace qs::rx

int main(int argc, char** argv) {
    qs::rx::ProbeOptions options;
    if (!qs::rx::parseOptions(argc, argv, options)) {
        std::fputs("usage: quillstone_capture_probe [--seconds N] [--channel left|right]"
                   " [--record FILE.wav] [--window yes]\n",
                   stderr);
        return 2;
    }
    return qs::rx::runProbe(options);
}
