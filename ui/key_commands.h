#pragma once
// The operating screen's keyboard: every key that reaches a control of the
// form passes here first. Function keys move between the contact fields,
// send the macros (with Shift), run the logging commands and queries (with
// Ctrl), step the transmit speed and key the transmitter for tuning. Only
// F10 is consumed; every other key goes on to the focused control.

#include "rx/receive_settings.h"
#include "rx/receive_text.h"
#include "settings/settings_view.h"
#include "ui/contact_fields.h"
#include "ui/macro_sender.h"
#include "ui/screen_links.h"

namespace qs::ui {

enum class Key {
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    PageUp,
    PageDown,
    Down,
    Enter,
    Escape,
    Backspace,
    Delete,
    Shift,
    Control,
    Other,
};

inline constexpr int kTxSpeedTop = 31;
inline constexpr char16_t kHisQthCaption[] = u"HisQTH (F3)";
inline constexpr char16_t kHisQthCtrlCaption[] = u"HisQTH (F3/4)";
inline constexpr char16_t kHisCallCaption[] = u"HisCall (F1)";

// F4: the call sign picked out of the receive window.
class CallSignPickUp {
public:
    virtual ~CallSignPickUp() = default;
    virtual void pickUpCallSign() = 0;
};

class KeyCommands {
public:
    struct Links {
        OperatingForm& form;
        TransmitControl& transmit;
        LoggingLink& link;
        const settings::LoggingProgram& program;
        MacroSender& macros;
        ContactFields& contacts;
        FocusLatch& latch;
        CallSignPickUp& pickUp;
        rx::ReceiveSettings& receive;
        rx::ReceiveText& receiveText;
    };

    explicit KeyCommands(const Links& links);

    // A key-down message; `systemKey` for a system key (F10, Alt
    // combinations). True when the key is consumed.
    bool onKeyDown(Key key, bool systemKey);
    // A key-up message; the release of a system key does not count.
    void onKeyUp(bool systemKey);

    // The buttons Clear (Esc), QSO (F6) and SAVE (F7).
    void clearCommand();
    void qsoCommand(bool reportInline);
    void saveCommand();

    bool shiftHeld() const { return shiftHeld_; }
    bool ctrlHeld() const { return ctrlHeld_; }
    bool tuneKeyed() const { return tuneKeyed_; }

private:
    bool onSystemKeyDown(Key key);
    void sendMacroFromKey(int macro);
    void ctrlFunctionKey(Key key);
    void plainFunctionKey(Key key);
    void otherKey(Key key);
    void stepTxSpeed(int steps);
    void onF9();
    void onEnter();
    void txClear();
    void focusTransmitBoxUnlessLatched();

    Links links_;
    bool shiftHeld_ = false;
    bool ctrlHeld_ = false;
    bool tuneKeyed_ = false;
};

}  // namespace qs::ui
