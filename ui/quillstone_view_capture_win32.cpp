// Where the receive audio plugs into the view. The DirectSound capture
// (rx/audio_capture_win32.h) lists the capture devices into combo box 1035,
// opens the selected one for the channel chosen and runs the capture thread,
// which fills core_.receiveChain().rawBlock() and calls processBlock() while
// core_.receiveSettings().rxEnabled is set; the chain's text and indicators
// queue for this thread by themselves, and the displays draw through their
// own device contexts. Until audioCapture_ is set the view has no capture:
// the calls below answer as a terminal without a capture device.

#include "ui/quillstone_view_win32.h"

namespace qs::ui {

void CQuillstoneView::createAudioCapture() {}

void CQuillstoneView::enumerateSoundDevices() {}

void CQuillstoneView::signalCaptureStop() {}

void CQuillstoneView::stopCapture() {}

// Sound Right (1) and Sound Left (0) belong to the capture, which takes the
// channel, stores it in slot 51 and starts when it is not yet running.
void CQuillstoneView::onSoundChannelCommand(int) {}

bool CQuillstoneView::soundChannelChecked(int channel) const {
    return capture().channel() == channel;
}

settings::AudioCapture& CQuillstoneView::capture() {
    if (audioCapture_) return *audioCapture_;
    return absentCapture_;
}

const settings::AudioCapture& CQuillstoneView::capture() const {
    if (audioCapture_) return *audioCapture_;
    return absentCapture_;
}

int CQuillstoneView::channel() const {
    return capture().channel();
}
bool CQuillstoneView::captureRunning() const {
    return capture().captureRunning();
}
int CQuillstoneView::setUp(int channel) {
    return capture().setUp(channel);
}
bool CQuillstoneView::deviceOpened() const {
    return capture().deviceOpened();
}
void CQuillstoneView::start() {
    capture().start();
}

}  // namespace qs::ui
