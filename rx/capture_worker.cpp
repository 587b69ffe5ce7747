#include "rx/capture_worker.h"

#include "rx/capture_buffer.h"

namespace qs::rx {

void CaptureWorker::run() {
    const std::atomic<bool>& stop = parts_.control.captureStopFlag;
    while (!stop) {
        if (!parts_.buffer.waitForHalf() || stop) continue;
        takeFreeHalf();
    }
}

void CaptureWorker::takeFreeHalf() {
    const int offset = freeHalfOffset(parts_.buffer.capturePositionBytes());
    if (!parts_.settings.rxEnabled) return;
    const std::uint8_t* half = parts_.buffer.lockHalf(offset);
    if (half == nullptr) return;
    copyChannel(half, parts_.control.channel, parts_.chain.rawBlock());
    parts_.buffer.unlockHalf();
    parts_.chain.processBlock();
}

}  // namespace qs::rx
