#include "ui/transmit_box_mirror.h"

namespace qs::ui {

Text TransmitBoxMirror::text() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return mirror_;
}

// A multi-line edit does not report a change made by setting its text, so
// the mirror is refreshed here as well.
void TransmitBoxMirror::clearAndInsert(TextView text) {
    edit_.clearAndInsert(text);
    onEditChanged();
}

// The control is read outside the lock: a tick never waits for it.
void TransmitBoxMirror::onEditChanged() {
    Text now = edit_.text();
    std::lock_guard<std::mutex> lock(mutex_);
    mirror_.swap(now);
}

}  // namespace qs::ui
