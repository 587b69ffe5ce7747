#pragma once
// The transmit box (1037) as the keying engine reads it: a copy of the
// edit's text that the edit's change notifications keep current, under a
// lock, so that the keying timer's thread never waits for the
// user-interface thread to read the control.

#include <mutex>

#include "common/text.h"
#include "tx/keyer_links.h"

namespace qs::ui {

// The edit control itself (user-interface thread only).
class TransmitEditControl {
public:
    virtual ~TransmitEditControl() = default;
    virtual Text text() const = 0;
    // Empties the edit and inserts `text` at the caret.
    virtual void clearAndInsert(TextView text) = 0;
};

class TransmitBoxMirror : public tx::TransmitBox {
public:
    explicit TransmitBoxMirror(TransmitEditControl& edit) : edit_(edit) {}

    // Any thread: the text as of the last change.
    Text text() const override;
    // User-interface thread.
    void clearAndInsert(TextView text) override;
    // The edit's text has changed (user-interface thread).
    void onEditChanged();

private:
    TransmitEditControl& edit_;
    mutable std::mutex mutex_;
    Text mirror_;
};

}  // namespace qs::ui
