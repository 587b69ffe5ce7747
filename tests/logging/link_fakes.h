#pragma once
// Fakes around the logging links: the contact fields, the view, the
// reports, and HamLog and Logger32 as programs that answer (or misbehave).
// Everything observable goes into one log, in order, e.g.
// "send 101|send 1 ****|box Pls start HamLog|resume".

#include <cstdio>
#include <string>
#include <vector>

#include "logging/contact_fields.h"
#include "logging/hamlog_link.h"
#include "logging/link_reports.h"
#include "logging/logger32_link.h"

namespace qs::logging::test {

class EventLog {
  public:
    void add(std::string entry) { entries_.push_back(std::move(entry)); }
    // The entries since the last take, joined by "|".
    std::string take() {
        std::string joined;
        for (const std::string& entry : entries_) joined += (joined.empty() ? "" : "|") + entry;
        entries_.clear();
        return joined;
    }

  private:
    std::vector<std::string> entries_;
};

// Bytes as readable text: printable ASCII as is, anything else as \xNN.
inline std::string shownBytes(const std::string& bytes) {
    std::string shown;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte <= 0x7E) {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    return shown;
}

struct FakeContactFields : ContactFields {
    Text call, name, qth, hisReport, myReport;
    Text hisCall() const override { return call; }
    Text hisName() const override { return name; }
    Text hisQth() const override { return qth; }
    Text hisRst() const override { return hisReport; }
    Text myRst() const override { return myReport; }
    void setHisCall(TextView text) override { call = Text(text); }
    void setHisName(TextView text) override { name = Text(text); }
    void setHisQth(TextView text) override { qth = Text(text); }
};

struct FakeLinkView : LinkCommandView, LinkReports {
    explicit FakeLinkView(EventLog& log) : log(log) {}
    EventLog& log;
    bool latch = false;
    bool saveEnabled = true;

    void enableSave(bool enabled) override {
        saveEnabled = enabled;
        log.add(enabled ? "save on" : "save off");
    }
    void focusTransmitBox() override { log.add("focus tx"); }
    bool fieldFocusLatch() const override { return latch; }
    void resumeReceiving() override { log.add("resume"); }
    void showMessage(TextView text) override { log.add("box " + toUtf8(text)); }
    void showExclamation(TextView text) override { log.add("box! " + toUtf8(text)); }
    void writeNotice(TextView text) override { log.add("notice " + toUtf8(text)); }
    void writeLine(TextView text) override { log.add("line " + toUtf8(text)); }
};

// HamLog as this program relies on it: immediate answers to 101, 103, 108,
// 111 and 112 (ANSI with NUL), a call-sign field that request 1 writes.
class FakeHamLog : public HamLogMessenger {
  public:
    enum class Answers { Normal, Never, NoNul, Oversized, InvalidBytes };

    explicit FakeHamLog(EventLog& log) : log_(log) {}
    void attach(HamLogLink& link) { link_ = &link; }

    bool running = true;
    Answers answers = Answers::Normal;
    int sendsBeforeGone = -1;  // the window disappears after this many sends
    int sendsWhileLinkDown = 0;
    std::string callField, nameField = "TARO", qthField = "100110", codeField = "1001";
    std::string timeField = "09:05J";

    Window findHamLog() override { return running ? kWindow : 0; }

    bool send(Window hamLog, const HamLogRequest& request) override {
        if (hamLog != kWindow || !running) return false;
        if (sendsBeforeGone == 0) {
            running = false;
            return false;
        }
        if (sendsBeforeGone > 0) --sendsBeforeGone;
        if (link_ != nullptr && !link_->linkOk()) ++sendsWhileLinkDown;
        std::string entry = "send " + std::to_string(request.code);
        if (!request.payload.empty()) entry += " " + shownBytes(request.payload);
        log_.add(entry);
        if (request.code == hamlog::kWriteCall) callField = request.payload;
        answer(request.code);
        return true;
    }

    static constexpr Window kWindow = 0x1234;

  private:
    void answer(std::uint32_t code) {
        const std::string* field = nullptr;
        if (code == hamlog::kAskCall) field = &callField;
        if (code == hamlog::kAskTime) field = &timeField;
        if (code == hamlog::kAskCode) field = &codeField;
        if (code == hamlog::kAskName) field = &nameField;
        if (code == hamlog::kAskQth) field = &qthField;
        if (field == nullptr || link_ == nullptr || answers == Answers::Never) return;
        std::string payload = *field + '\0';
        if (answers == Answers::NoNul) payload = *field;
        if (answers == Answers::Oversized) payload.assign(4096, 'X');
        if (answers == Answers::InvalidBytes) payload = "\x81\xFF\x82";
        link_->takeAnswer(payload.data(), payload.size());
    }

    EventLog& log_;
    HamLogLink* link_ = nullptr;
};

// Logger32's end as the link sees it: a window that may exist, registered
// messages numbered from 0xC000 by name, posted messages and records logged.
class FakeLogger32 : public Logger32Messenger, public ConnectTimer {
  public:
    explicit FakeLogger32(EventLog& log) : log_(log) {}

    bool running = false;
    static constexpr Window kWindow = 0x3200;
    static constexpr Window kView = 0x0100;

    Window findLogger32() override { return running ? kWindow : 0; }
    unsigned registerMessage(TextView name) override {
        for (size_t i = 0; i < names_.size(); ++i) {
            if (names_[i] == name) return static_cast<unsigned>(0xC000 + i);
        }
        names_.emplace_back(name);
        return static_cast<unsigned>(0xC000 + names_.size() - 1);
    }
    Window viewWindow() const override { return kView; }
    void post(Window to, unsigned message, std::uintptr_t wParam, std::uintptr_t lParam) override {
        log_.add("post " + std::to_string(to) + " " + nameOf(message) + " " +
                 std::to_string(wParam) + " " + std::to_string(lParam));
    }
    void sendRecord(Window to, const std::string& record) override {
        log_.add("record " + std::to_string(to) + " " + shownBytes(record));
    }
    void start(int periodMs) override { log_.add("timer " + std::to_string(periodMs)); }
    void kill() override { log_.add("kill"); }

    std::string nameOf(unsigned message) const {
        const size_t index = message - 0xC000;
        return index < names_.size() ? toUtf8(names_[index]) : std::to_string(message);
    }

  private:
    EventLog& log_;
    std::vector<Text> names_;
};

}  // namespace qs::logging::test
