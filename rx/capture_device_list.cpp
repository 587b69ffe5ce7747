#include "rx/capture_device_list.h"

namespace qs::rx {

CaptureDeviceList::Admission CaptureDeviceList::admit(const CaptureDeviceId* id) {
    if (id == nullptr) return {true, nullptr};
    if (count_ == kMaxDevices) return {false, nullptr};
    ids_[count_] = *id;
    return {true, &ids_[count_++]};
}

}  // namespace qs::rx
