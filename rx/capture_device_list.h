#pragma once
// The identifiers of the enumerated capture devices, in enumeration order.
// At most 20 are kept; a device beyond them is not listed at all. The
// default device has no identifier and does not count. The stored
// identifiers keep their addresses for the list's life, so a combo box entry
// can hold one as its item data.

#include <array>

#include "rx/capture_backend.h"

namespace qs::rx {

class CaptureDeviceList {
public:
    static constexpr int kMaxDevices = 20;

    struct Admission {
        bool listed;
        const CaptureDeviceId* storedId;  // null for the default device
    };

    // Decides about one enumerated device (`id` null: the default device)
    // and stores its identifier when it is listed.
    Admission admit(const CaptureDeviceId* id);

    int count() const { return count_; }

private:
    std::array<CaptureDeviceId, kMaxDevices> ids_{};
    int count_ = 0;
};

}  // namespace qs::rx
