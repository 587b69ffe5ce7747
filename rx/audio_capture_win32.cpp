#include "rx/audio_capture_win32.h"

#include <process.h>

#include <cstring>

#include "rx/capture_buffer.h"
#include "rx/capture_worker.h"

namespace qs::rx {

namespace {

// The descriptor with the effect count and list, both zero.
static_assert(sizeof(void*) != 4 || sizeof(DSCBUFFERDESC) == 28);

constexpr DWORD kWorkerEndWaitMs = 800;
constexpr DWORD kTerminatedExitCode = static_cast<DWORD>(-1);

WAVEFORMATEX captureFormat() {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = kCaptureChannels;
    format.nSamplesPerSec = kSampleRate;
    format.nAvgBytesPerSec = kSampleRate * kCaptureFrameBytes;
    format.nBlockAlign = kCaptureFrameBytes;
    format.wBitsPerSample = kCaptureBitsPerSample;
    format.cbSize = 0;
    return format;
}

BOOL CALLBACK onEnumeratedDevice(LPGUID guid, LPCWSTR description, LPCWSTR, LPVOID context) {
    static_assert(sizeof(GUID) == sizeof(CaptureDeviceId));
    CaptureDeviceId id{};
    if (guid != nullptr) std::memcpy(id.data(), guid, sizeof(GUID));
    const TextView text =
        description != nullptr ? reinterpret_cast<const char16_t*>(description) : u"";
    static_cast<CaptureDeviceSink*>(context)->onCaptureDevice(guid != nullptr ? &id : nullptr,
                                                              text);
    return TRUE;
}

// The running buffer and its event as the capture thread uses them.
class DirectSoundBufferAccess : public CaptureBufferAccess {
public:
    DirectSoundBufferAccess(IDirectSoundCaptureBuffer& buffer, HANDLE captureEvent)
        : buffer_(buffer), captureEvent_(captureEvent) {}

    bool waitForHalf() override {
        return WaitForSingleObject(captureEvent_, INFINITE) == WAIT_OBJECT_0;
    }

    std::uint32_t capturePositionBytes() override {
        DWORD captureBytes = 0;
        buffer_.GetCurrentPosition(&captureBytes, nullptr);
        return captureBytes;
    }

    // A half never wraps around the buffer's end, so it is all in the first
    // region.
    const std::uint8_t* lockHalf(int offsetBytes) override {
        if (FAILED(buffer_.Lock(offsetBytes, kCaptureHalfBytes, &first_, &firstBytes_, &second_,
                                &secondBytes_, 0))) {
            return nullptr;
        }
        if (first_ == nullptr || firstBytes_ < static_cast<DWORD>(kCaptureHalfBytes)) {
            unlockHalf();
            return nullptr;
        }
        return static_cast<const std::uint8_t*>(first_);
    }

    void unlockHalf() override { buffer_.Unlock(first_, firstBytes_, second_, secondBytes_); }

private:
    IDirectSoundCaptureBuffer& buffer_;
    HANDLE captureEvent_;
    void* first_ = nullptr;
    DWORD firstBytes_ = 0;
    void* second_ = nullptr;
    DWORD secondBytes_ = 0;
};

}  // namespace

DirectSoundCapture::DirectSoundCapture()
    : captureEvent_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

DirectSoundCapture::~DirectSoundCapture() {
    if (target_) target_->control.captureStopFlag = true;
    stop();
}

void DirectSoundCapture::enumerateDevices(CaptureDeviceSink& sink) {
    DirectSoundCaptureEnumerateW(onEnumeratedDevice, &sink);
}

bool DirectSoundCapture::open(const CaptureDeviceId* device) {
    if (buffer_) return true;
    if (!comInitialized_) comInitialized_ = SUCCEEDED(CoInitialize(nullptr));
    GUID guid{};
    if (device != nullptr) std::memcpy(&guid, device->data(), sizeof(GUID));
    const bool opened = SUCCEEDED(DirectSoundCaptureCreate(device != nullptr ? &guid : nullptr,
                                                           device_.put(), nullptr)) &&
                        device_ && createBuffer() && setNotifications();
    if (!opened) release();
    return opened;
}

// The buffer counts as created when one was returned.
bool DirectSoundCapture::createBuffer() {
    WAVEFORMATEX format = captureFormat();
    DSCBUFFERDESC descriptor;
    std::memset(&descriptor, 0, sizeof(descriptor));
    descriptor.dwSize = sizeof(descriptor);
    descriptor.dwFlags = 0;
    descriptor.dwBufferBytes = kCaptureBufferBytes;
    descriptor.lpwfxFormat = &format;
    device_->CreateCaptureBuffer(&descriptor, buffer_.put(), nullptr);
    return static_cast<bool>(buffer_);
}

// Both positions signal the one capture event.
bool DirectSoundCapture::setNotifications() {
    ComRef<IDirectSoundNotify> notify;
    if (FAILED(buffer_.queryInterface(IID_IDirectSoundNotify, notify)) || !notify) return false;
    DSBPOSITIONNOTIFY positions[2] = {
        {static_cast<DWORD>(kFirstHalfEndByte), captureEvent_.get()},
        {static_cast<DWORD>(kSecondHalfEndByte), captureEvent_.get()},
    };
    return SUCCEEDED(notify->SetNotificationPositions(2, positions));
}

bool DirectSoundCapture::start(const CaptureTarget& target) {
    if (!buffer_ || worker_) return false;
    if (FAILED(buffer_->Start(DSCBSTART_LOOPING))) return false;
    target_.emplace(target);
    worker_.reset(
        reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, workerEntry, this, 0, nullptr)));
    if (!worker_) {
        buffer_->Stop();
        target_.reset();
    }
    return static_cast<bool>(worker_);
}

unsigned __stdcall DirectSoundCapture::workerEntry(void* self) {
    DirectSoundCapture& capture = *static_cast<DirectSoundCapture*>(self);
    DirectSoundBufferAccess buffer(*capture.buffer_.get(), capture.captureEvent_.get());
    const CaptureTarget& target = *capture.target_;
    CaptureWorker worker({buffer, target.control, target.settings, target.chain});
    worker.run();
    return 0;
}

// The worker sees the stop flag at its next wake-up; signalling the event
// wakes it at once instead of at the next half (or never, if the device has
// gone). It ends within the wait unless it hangs; only then is it
// terminated.
void DirectSoundCapture::stop() {
    if (worker_) {
        SetEvent(captureEvent_.get());
        if (WaitForSingleObject(worker_.get(), kWorkerEndWaitMs) != WAIT_OBJECT_0) {
            TerminateThread(worker_.get(), kTerminatedExitCode);
        }
        worker_.reset();
    }
    target_.reset();
    if (buffer_) buffer_->Stop();
    release();
}

// COM objects go before the component library is uninitialised.
void DirectSoundCapture::release() {
    buffer_.reset();
    device_.reset();
    if (comInitialized_) CoUninitialize();
    comInitialized_ = false;
}

}  // namespace qs::rx
