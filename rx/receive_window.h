#pragma once
// The receive window (a rich edit on Windows) as the receive path and the
// keying engine's echo need it. Text is only ever appended at the caret; the
// window is never rewritten as a whole.

#include "common/text.h"

namespace qs::rx {

enum class TextFormat {
    Received,  // black, all capitals
    Sent,      // blue (0, 0, 255), all capitals
    Notice,    // red (255, 50, 50)
};

class ReceiveWindow {
public:
    virtual ~ReceiveWindow() = default;
    virtual void moveCaretToEnd() = 0;
    // Format for the text inserted from now on.
    virtual void applyFormat(TextFormat format) = 0;
    // Inserts at the caret (replace-selection without undo).
    virtual void insertText(TextView text) = 0;
};

}  // namespace qs::rx
