#pragma once
// The operating form as the receive-side control handlers need it. The main
// view implements it on its controls.

#include "common/text.h"

namespace qs::rx {

class ReceiveForm {
public:
    virtual ~ReceiveForm() = default;
    // Sets a check box (ids from ui/control_ids.h) without a click notification.
    virtual void setChecked(int controlId, bool checked) = 0;
    // Shows the upper (1041) or the lower (1040) frequency scale label and
    // hides the other.
    virtual void showScale(bool upper) = 0;
    // The text of the receive speed label (1025), e.g. "100/Min".
    virtual Text rxSpeedLabel() const = 0;
    // Puts the keyboard focus into the transmit box, unless a contact field
    // holds the focus latch.
    virtual void returnFocusToTransmitBox() = 0;
};

}  // namespace qs::rx
