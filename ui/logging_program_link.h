#pragma once
// The operating screen's logging link over the two real links: QSO, SAVE
// and the Clear of the logging program go to HamLog or Logger32, whichever
// the Options made the logging program; the Ctrl+F1 to Ctrl+F4 queries go to
// HamLog, each transfer with the mode of the current option string. Also the contact fields and the
// view as the links see them, over the form's controls. User-interface thread only.

#include "logging/contact_fields.h"
#include "logging/hamlog_link.h"
#include "logging/link_reports.h"
#include "logging/logger32_link.h"
#include "rx/receive_text.h"
#include "settings/settings_view.h"
#include "tx/keyer_links.h"
#include "ui/screen_links.h"
#include "ui/view_core.h"

namespace qs::ui {

class LoggingProgramLink : public LoggingLink {
  public:
    LoggingProgramLink(logging::HamLogLink& hamLog, logging::Logger32Link& logger32,
                       const logging::ContactFields& fields,
                       const settings::LoggingProgram& program, const Text& optionString)
        : hamLog_(hamLog),
          logger32_(logger32),
          fields_(fields),
          program_(program),
          optionString_(optionString) {}

    bool connected() const override;
    bool clearContact() override;
    void forgetTransfer() override { hamLog_.forgetContact(); }
    void transferQso(bool reportInline) override;
    void saveQso() override;
    void queryHamLog(HamLogQuery query) override;
    // The <VK_F7> tag: SAVE with HamLog's failures as receive-window notices.
    void saveQsoReportingInline();

  private:
    bool hamLogChosen() const { return program_.logSoftIsHamLog(); }

    logging::HamLogLink& hamLog_;
    logging::Logger32Link& logger32_;
    const logging::ContactFields& fields_;
    const settings::LoggingProgram& program_;
    const Text& optionString_;
};

// HisCall, HisName, HisQTH and the two report combo boxes on the form.
class FormContactFields : public logging::ContactFields {
  public:
    explicit FormContactFields(OperatingForm& form) : form_(form) {}

    Text hisCall() const override;
    Text hisName() const override;
    Text hisQth() const override;
    Text hisRst() const override;
    Text myRst() const override;
    void setHisCall(TextView text) override;
    void setHisName(TextView text) override;
    void setHisQth(TextView text) override;

  private:
    OperatingForm& form_;
};

// The SAVE button, the transmit box, the field focus latch and the receive
// path as the links leave them after a command.
class FormLinkView : public logging::LinkCommandView {
  public:
    FormLinkView(OperatingForm& form, ViewCore& core) : form_(form), core_(core) {}

    void enableSave(bool enabled) override;
    void focusTransmitBox() override;
    bool fieldFocusLatch() const override { return core_.fieldFocusLatch(); }
    void resumeReceiving() override;

  private:
    OperatingForm& form_;
    ViewCore& core_;
};

// The receive text's writer state, which a link's notice switches.
class ReceiveTextWriter : public tx::EchoWriterState {
  public:
    explicit ReceiveTextWriter(rx::ReceiveText& text) : text_(text) {}

    rx::WriterState writerState() const override { return text_.writerState(); }
    void setWriterState(rx::WriterState state) override { text_.setWriterState(state); }

  private:
    rx::ReceiveText& text_;
};

}  // namespace qs::ui
