#pragma once
// Fakes of what the keyboard commands, the contact fields and the macros
// reach: the form, the receive window, the transmit side and the logging
// link. Every call is logged in order ("focus 1029|text 1029=JA1ABC").

#include <map>
#include <string>

#include "ui/contact_fields.h"
#include "ui/macro_sender.h"
#include "ui/screen_links.h"

namespace qs::ui::test {

class CallLog {
public:
    void record(const std::string& entry) { log_ += (log_.empty() ? "" : "|") + entry; }
    std::string take() {
        std::string entries = std::move(log_);
        log_.clear();
        return entries;
    }

private:
    std::string log_;
};

inline std::string num(long long value) {
    return std::to_string(value);
}

class FakeForm : public OperatingForm, public ReceiveSelection {
public:
    explicit FakeForm(CallLog& log) : log_(log) {}

    std::map<int, Text> texts;
    int focused = 0;
    bool selection = false;
    Text selectedText;  // what stageSelection pastes into the staging box
    Text receive = u"RX> ";
    int caret = 4;

    void focusControl(int id) override {
        focused = id;
        log_.record("focus " + num(id));
    }
    int focusedControl() const override { return focused; }
    Text controlText(int id) const override {
        const auto found = texts.find(id);
        return found == texts.end() ? Text() : found->second;
    }
    void setControlText(int id, TextView text) override {
        texts[id] = Text(text);
        log_.record("text " + num(id) + "=" + toUtf8(text));
    }
    void moveCaretToEnd(int id) override { log_.record("caret end " + num(id)); }
    void appendAtEnd(int id, TextView text) override {
        texts[id] += Text(text);
        log_.record("append " + num(id) + " " + toUtf8(text));
    }
    void enableControl(int id, bool enabled) override {
        log_.record((enabled ? "enable " : "disable ") + num(id));
    }
    void emptyClipboardIfText() override { log_.record("empty clipboard"); }
    void setStatusText(TextView text) override { log_.record("status " + toUtf8(text)); }
    void showFormMessage(TextView text) override { log_.record("message " + toUtf8(text)); }

    bool hasSelection() const override { return selection; }
    void stageSelection() override {
        texts[1044] = selectedText;
        log_.record("stage");
    }
    Text receiveText() const override { return receive; }
    int caretPosition() const override { return caret; }

private:
    CallLog& log_;
};

class FakeTransmit : public TransmitControl {
public:
    explicit FakeTransmit(CallLog& log) : log_(log) {}
    int position = 15;

    void appendToTransmitBox(TextView text) override { log_.record("queue " + toUtf8(text)); }
    void clearTx() override { log_.record("clear tx"); }
    void toggleTxEditHold() override { log_.record("toggle tx edit"); }
    void requestPttRelease() override { log_.record("ptt release"); }
    void tuneKeyDown() override { log_.record("key down"); }
    void tuneKeyUp() override { log_.record("key up"); }
    int txSpeedPosition() const override { return position; }
    void setTxSpeedByStep(int to) override {
        position = to;
        log_.record("speed " + num(to));
    }

private:
    CallLog& log_;
};

class FakeLink : public LoggingLink {
public:
    explicit FakeLink(CallLog& log) : log_(log) {}
    bool clears = true;

    bool connected() const override { return false; }
    bool clearContact() override {
        log_.record("link clear");
        return clears;
    }
    void forgetTransfer() override { log_.record("forget transfer"); }
    void transferQso(bool inlineReport) override {
        log_.record(inlineReport ? "qso inline" : "qso");
    }
    void saveQso() override { log_.record("save"); }
    void queryHamLog(HamLogQuery query) override {
        log_.record("query " + num(static_cast<int>(query)));
    }

private:
    CallLog& log_;
};

class FakeLatch : public FocusLatch {
public:
    bool latched = false;
    bool fieldFocusLatch() const override { return latched; }
    void setFieldFocusLatch(bool on) override { latched = on; }
};

class FakeTags : public MacroTagReader {
public:
    tx::MacroTagSources sources;
    tx::MacroTagSources macroTagSources() const override { return sources; }
};

class FakeMouse : public MouseTracking {
public:
    bool succeeds = true;
    int requests = 0;
    bool trackHoverAndLeave() override {
        ++requests;
        return succeeds;
    }
};

class NoLabels : public MacroLabels {
public:
    explicit NoLabels(CallLog& log) : log_(log) {}
    void setLabelCaption(int macro, TextView caption) override {
        log_.record("caption " + num(macro) + " " + toUtf8(caption));
    }
    void repaintLabel(int macro) override { log_.record("repaint " + num(macro)); }

private:
    CallLog& log_;
};

}  // namespace qs::ui::test
