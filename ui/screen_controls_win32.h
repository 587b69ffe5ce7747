#pragma once
// The operating screen's controls as the keyboard commands, the contact
// fields and the macros reach them, over the view's child windows; and the
// translation of the view's key messages into the key table's keys.

#include <windows.h>

#include "ui/key_commands.h"
#include "ui/macro_sender.h"
#include "ui/quillstone_view_win32.h"
#include "ui/screen_links.h"

namespace qs::ui {

class ScreenControls : public OperatingForm, public ReceiveSelection, public MouseTracking {
public:
    explicit ScreenControls(ViewFrame& frame) : frame_(frame) {}

    void attach(HWND view) { view_ = view; }

    // OperatingForm
    void focusControl(int controlId) override;
    int focusedControl() const override;
    Text controlText(int controlId) const override;
    void setControlText(int controlId, TextView text) override;
    void moveCaretToEnd(int controlId) override;
    void appendAtEnd(int controlId, TextView text) override;
    void enableControl(int controlId, bool enabled) override;
    void emptyClipboardIfText() override;
    void setStatusText(TextView text) override;
    void showFormMessage(TextView text) override;
    // ReceiveSelection
    bool hasSelection() const override;
    void stageSelection() override;
    Text receiveText() const override;
    int caretPosition() const override;
    // MouseTracking
    bool trackHoverAndLeave() override;

private:
    HWND item(int id) const { return GetDlgItem(view_, id); }

    HWND view_ = nullptr;
    ViewFrame& frame_;
};

// A key message for the view or one of its controls, in the key table's
// terms; false for any other message.
bool keyTableMessage(const MSG& message, HWND view, Key& key, bool& pressed, bool& systemKey);

}  // namespace qs::ui
