#pragma once
// Controls of the view that the core reaches through interfaces of their
// own: the HisCall field, the transmit edit, and the targets of the control
// tags in the send text.

#include "tx/control_tags.h"
#include "ui/controls_win32.h"
#include "ui/quillstone_view_win32.h"

namespace qs::ui {

class CQuillstoneView::HisCallEdit : public rx::HisCallField {
public:
    void attach(HWND edit) { edit_ = win::Window(edit); }
    Text text() const override { return edit_.text(); }
    void setText(TextView text) override { edit_.setText(text); }

private:
    win::Window edit_;
};

class CQuillstoneView::TransmitEdit : public TransmitEditControl {
public:
    void attach(HWND edit) { edit_ = win::Window(edit); }
    Text text() const override { return edit_.text(); }
    // Empty, caret at the start, then the text inserted without undo.
    void clearAndInsert(TextView text) override {
        edit_.setText(u"");
        edit_.send(EM_SETSEL, 0, 0);
        edit_.send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(win::wide(text).c_str()));
    }

private:
    win::Window edit_;
};

class CQuillstoneView::TagTarget : public tx::ControlTagTarget {
public:
    explicit TagTarget(CQuillstoneView& view) : view_(view) {}

    int txSpeedPosition() const override;
    void setTxSpeedPosition(int position) override;
    void runQsoReportingInline() override;
    void runSaveReportingInline() override;
    void clearHisCall() override;
    void armCallCapture() override;
    void setHisCallGroupCaption(TextView caption) override;

private:
    CQuillstoneView& view_;
};

}  // namespace qs::ui
