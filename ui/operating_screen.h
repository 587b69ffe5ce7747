#pragma once
// The operating screen's commands on top of the view's core: the keyboard,
// the contact fields, the macros with their editor and the Options command,
// wired to the core's receive path, keying engine and settings. The Windows
// view owns one beside its core and forwards the notifications here.

#include "common/clock.h"
#include "settings/settings_view.h"
#include "tx/keyer_links.h"
#include "ui/contact_fields.h"
#include "ui/key_commands.h"
#include "ui/macro_editor.h"
#include "ui/macro_sender.h"
#include "ui/options_command.h"
#include "ui/screen_links.h"
#include "ui/view_core.h"

namespace qs::ui {

// What only the window can do for the operating screen.
struct ScreenPlatform {
    OperatingForm& form;
    ReceiveSelection& receiveWindow;
    MouseTracking& mouse;
    MacroEditorDialog& macroEditor;
    OptionsDialog& optionsDialog;
    LoggingLink& link;
    const settings::LoggingProgram& loggingProgram;
    settings::TransmitSpeedControl& txSpeed;  // trackbar 1018
    tx::KeyerView& keyerView;                 // the TX Edit (F9) check box
    settings::SettingsForm& settingsForm;
    const Clock& clock;
};

class OperatingScreen : private TransmitControl,
                        private MacroTagReader,
                        private FocusLatch,
                        private ReceiveHold,
                        private ContactState,
                        private CallSignPickUp,
                        private tx::ReceivePathControl {
public:
    OperatingScreen(const ScreenPlatform& platform, ViewCore& core);

    OperatingScreen(const OperatingScreen&) = delete;
    OperatingScreen& operator=(const OperatingScreen&) = delete;

    KeyCommands& keys() { return keys_; }
    ContactFields& contacts() { return contacts_; }
    MacroSender& macroSender() { return sender_; }
    MacroEditing& macroEditing() { return editing_; }
    OptionsCommand& optionsCommand() { return options_; }

    // The transmit box gained the focus: the text can be edited there.
    void onTransmitBoxFocusChange() { contacts_.onTransmitBoxFocusChange(); }

private:
    // TransmitControl
    void appendToTransmitBox(TextView text) override;
    void clearTx() override;
    void toggleTxEditHold() override;
    void requestPttRelease() override;
    void tuneKeyDown() override;
    void tuneKeyUp() override;
    int txSpeedPosition() const override;
    void setTxSpeedByStep(int position) override;
    // MacroTagReader
    tx::MacroTagSources macroTagSources() const override;
    // FocusLatch
    bool fieldFocusLatch() const override { return core_.fieldFocusLatch(); }
    void setFieldFocusLatch(bool latched) override { core_.setFieldFocusLatch(latched); }
    // ReceiveHold
    void enterHold() override;
    void leaveHold() override;
    // ContactState
    bool fiveNnReset() const override;
    bool autoCqRunning() const override { return sender_.autoCqRunning(); }
    void stopAutoCq() override { sender_.stopAutoCq(); }
    // CallSignPickUp
    void pickUpCallSign() override;
    // tx::ReceivePathControl
    void clearSampleBlock() override;
    void requestDecoderMarkReset() override;

    ScreenPlatform platform_;
    ViewCore& core_;
    MacroSender sender_;
    ContactFields contacts_;
    KeyCommands keys_;
    MacroEditing editing_;
    OptionsCommand options_;
};

}  // namespace qs::ui
