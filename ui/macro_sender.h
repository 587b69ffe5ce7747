#pragma once
// Sending the twelve macros: a left click on a label or Shift+F1 to
// Shift+F12 expands the macro's data tags, turns it to upper case and
// appends it to the transmit box. Auto CQ (macro 12) started by a click
// runs until the next macro sent, F9, or a call sign typed into HisCall
// discards what is left of it. Moving the mouse over a label shows the
// expanded text in the status bar.

#include "common/clock.h"
#include "common/text.h"
#include "rx/display_hit_areas.h"
#include "tx/macro_tags.h"
#include "ui/macro_set.h"
#include "ui/screen_links.h"

namespace qs::ui {

inline constexpr int kAutoCqMacro = 12;

// What the data tags are replaced by, read at the moment a macro is sent.
class MacroTagReader {
public:
    virtual ~MacroTagReader() = default;
    virtual tx::MacroTagSources macroTagSources() const = 0;
};

// Hover and leave notifications for the view.
class MouseTracking {
public:
    virtual ~MouseTracking() = default;
    // Requests hover (after 1 ms) and leave notifications; false on failure.
    virtual bool trackHoverAndLeave() = 0;
};

// Upper case as the send table knows letters: a to z only.
Text upperCaseForSending(TextView text);

// The status bar text for a hover code: 51 to 62 for macros 1 to 12, then
// "macroN(Shift+FN)>> " or "Auto CQ(Shift+F12)>> " and the expanded text;
// "Ready" for any other code.
Text hoverHint(int hoverCode, const MacroSet& macros, const MacroTagReader& tags,
               const Clock& clock);

class MacroSender {
public:
    struct Links {
        const MacroSet& macros;
        OperatingForm& form;
        TransmitControl& transmit;
        const MacroTagReader& tags;
        MouseTracking& mouse;
        const Clock& clock;
    };

    explicit MacroSender(const Links& links);

    // `QueueText`: a running Auto CQ is stopped and its rest discarded, then
    // the text is expanded, turned to upper case and appended.
    void queueText(Text textToSend);
    // `SendMacro`: macro 1 to 12 queued; Auto CQ from a key does not run.
    void sendMacro(int macro);

    // The macro part of a left click in form pixels; `fieldFocusLatch` keeps
    // the focus where it is before a macro is hit.
    void onMacroClick(int x, int y, const rx::FormScale& scale, bool fieldFocusLatch);
    // The button is released: every label looks unpressed again.
    void onLeftButtonUp();

    bool autoCqRunning() const { return autoCqRunning_; }
    // The Auto CQ label enabled and the flag cleared (`ClearTx` does this).
    void stopAutoCq();

    void onMouseMove(int x, int y, const rx::FormScale& scale);
    void onMouseHover() { mouseHovering_ = true; }
    void onMouseLeave();
    int shownHoverCode() const { return shownHoverCode_; }

private:
    void showHint(int hoverCode);

    Links links_;
    bool autoCqRunning_ = false;
    int shownHoverCode_ = 0;
    bool mouseHovering_ = false;
    bool trackingMouse_ = false;
};

}  // namespace qs::ui
