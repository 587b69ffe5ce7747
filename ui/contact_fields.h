#pragma once
// The three contact fields HisCall, HisName and HisQTH: what they do as
// they gain and lose the focus and as HisCall is edited, the recall of
// their last text, and the hand-over of text from the receive window. A
// selection in the receive window is staged, spaces removed, in the hidden
// staging box; a plain click stages the word under the caret. The next
// contact field to gain the focus takes what was staged.

#include "common/text.h"
#include "ui/screen_links.h"

namespace qs::ui {

// `fieldFocusLatch`: while set, handlers leave the focus alone.
class FocusLatch {
public:
    virtual ~FocusLatch() = default;
    virtual bool fieldFocusLatch() const = 0;
    virtual void setFieldFocusLatch(bool latched) = 0;
};

// The receive window's hold of new text while it has the focus.
class ReceiveHold {
public:
    virtual ~ReceiveHold() = default;
    virtual void enterHold() = 0;
    virtual void leaveHold() = 0;
};

// The contact side of the form's state that the fields change.
class ContactState {
public:
    virtual ~ContactState() = default;
    // Option position 11 is "5": a call change resets the reports.
    virtual bool fiveNnReset() const = 0;
    virtual bool autoCqRunning() const = 0;
    // Enables the Auto CQ label and clears `autoCqRunning`.
    virtual void stopAutoCq() = 0;
};

inline constexpr char16_t kRstDefault[] = u"5NN";
inline constexpr int kClickedWordLimit = 15;

// The word around `caret` of the receive text: from the space before it
// (never before position 4, the prompt "RX> ") to the next space or line
// break; only the last 15 characters of a longer word.
Text wordAroundCaret(TextView receiveText, int caret);

class ContactFields {
public:
    struct Links {
        OperatingForm& form;
        ReceiveSelection& receiveWindow;
        ReceiveHold& hold;
        FocusLatch& latch;
        ContactState& state;
        TransmitControl& transmit;
    };

    explicit ContactFields(const Links& links);

    static bool isContactField(int controlId);

    // HisCall (1029), HisName (1030) or HisQTH (1031).
    void onFieldFocus(int fieldId);
    void onFieldBlur(int fieldId);
    void onHisCallChanged();
    // The transmit box gained or lost the focus; a word clicked in the
    // receive window before is no longer handed over.
    void onTransmitBoxFocusChange();

    void onReceiveWindowFocus();
    void onReceiveWindowBlur();

    // Down arrow: an empty focused field gets back its last text.
    void recallSavedText();

    bool fieldFocused(int fieldId) const;
    const Text& savedText(int fieldId) const;
    const Text& candidateWord() const { return candidateWord_; }

private:
    struct Field {
        bool focused = false;
        Text saved;
    };
    Field& field(int fieldId);
    const Field& field(int fieldId) const;
    void takeStagedText(int fieldId);
    void takeCandidateWord(int fieldId);
    void resetReport(int comboId);
    void stageSelection();

    Links links_;
    Field fields_[3];
    Text candidateWord_;
};

}  // namespace qs::ui
