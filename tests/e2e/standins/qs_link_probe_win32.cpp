// qs_link_probe.exe: runs the terminal's HamLog and Logger32 links, with
// their Windows messengers and the operating screen's link over both, from
// a small window of its own, so that the end-to-end tests can prove them
// against the stand-ins message by message. Commands run in order; everything the
// links report, and the contact fields on "fields?", goes to stdout, one
// line each.
//
// qs_link_probe.exe COMMAND...
//   fields CALL NAME QTH HISRST MYRST   ("-" for empty)   fields?
//   qso | qso-f6 | save | save-f7 | clear | query 1..4 | ptt on|off | test
//   (query 1..4: Ctrl+F1 to Ctrl+F4's requests 101, 111, 112, 108)
//   logger32 | hamlog        (which logging program; HamLog at start)
//   logger32-tick            (one search tick now)
//   pump MS                  (handles messages and timers for MS ms)

#include <windows.h>

#include <cstdio>
#include <string>

#include "logging/ansi_code_page_win32.h"
#include "logging/hamlog_messenger_win32.h"
#include "logging/logger32_messenger_win32.h"
#include "ui/logging_program_link.h"

namespace {

using namespace qs;
using namespace qs::logging;

void print(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string shown(TextView text) {
    std::string line = toUtf8(text);
    for (size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n")) {
        line.replace(at, 2, "\\r\\n");
    }
    return line;
}

struct ProbeFields : ContactFields {
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

struct ProbeView : LinkCommandView, LinkReports, settings::LoggingProgram {
    bool hamLog = true;
    void enableSave(bool enabled) override { print(enabled ? "save on" : "save off"); }
    void focusTransmitBox() override { print("focus tx"); }
    bool fieldFocusLatch() const override { return false; }
    void resumeReceiving() override { print("resume"); }
    void showMessage(TextView text) override { print("box " + shown(text)); }
    void showExclamation(TextView text) override { print("box! " + shown(text)); }
    void writeNotice(TextView text) override { print("notice " + shown(text)); }
    void writeLine(TextView text) override { print("line " + shown(text)); }
    bool logSoftIsHamLog() const override { return hamLog; }
    void setLogSoftIsHamLog(bool on) override { hamLog = on; }
    bool logger32Connected() const override { return false; }
    void startLogger32Search() override {}
    void stopLogger32Search() override {}
};

struct Probe {
    ProbeFields fields;
    ProbeView view;
    ThreadAnsiCodePage codePage;
    SystemClock clock;
    Win32HamLogMessenger hamLogMessenger;
    Win32Logger32Messenger logger32Messenger;
    HamLogLink hamLog{{hamLogMessenger, codePage, fields, view, view, clock}};
    Logger32Link logger32{{logger32Messenger, logger32Messenger, view}};
    // The mode option "C": each transfer sends "CW".
    Text optionString = u"NMNNN1123NN5001218HNCN";
    ui::LoggingProgramLink link{hamLog, logger32, fields, view, optionString};
};

// What Esc does after the link's clear: the fields emptied, SAVE disabled.
void clearContact(Probe& p) {
    if (!p.link.clearContact()) return;
    p.fields.call.clear();
    p.fields.name.clear();
    p.fields.qth.clear();
    p.link.forgetTransfer();
    p.view.enableSave(false);
}

constexpr ui::HamLogQuery kQueries[] = {ui::HamLogQuery::CallSign, ui::HamLogQuery::Name,
                                        ui::HamLogQuery::Qth, ui::HamLogQuery::QthByCall};

Probe* probe = nullptr;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (probe != nullptr) {
        if (message == WM_COPYDATA) {
            if (takeHamLogAnswer(probe->hamLog, l)) return TRUE;
            print("copy data not awaited");
        } else if (const auto result = handleLogger32Message(probe->logger32, message, w, l)) {
            return *result;
        }
    }
    return DefWindowProcW(window, message, w, l);
}

void pump(DWORD durationMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < durationMs) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

Text argument(const wchar_t* text) {
    const Text value(reinterpret_cast<const char16_t*>(text));
    return value == u"-" ? Text() : value;
}

// Runs argv[i] and returns how many arguments it took.
int runCommand(Probe& p, int argc, wchar_t** argv, int i) {
    const std::wstring command = argv[i];
    const auto has = [&](int count) { return i + count < argc; };
    if (command == L"fields" && has(5)) {
        p.fields.call = argument(argv[i + 1]);
        p.fields.name = argument(argv[i + 2]);
        p.fields.qth = argument(argv[i + 3]);
        p.fields.hisReport = argument(argv[i + 4]);
        p.fields.myReport = argument(argv[i + 5]);
        return 5;
    }
    if (command == L"fields?") {
        print("fields " + toUtf8(p.fields.call) + "|" + toUtf8(p.fields.name) + "|" +
              toUtf8(p.fields.qth));
    }
    if (command == L"qso") p.link.transferQso(false);
    if (command == L"qso-f6") p.link.transferQso(true);
    if (command == L"save") p.link.saveQso();
    if (command == L"save-f7") p.link.saveQsoReportingInline();
    if (command == L"clear") clearContact(p);
    if (command == L"test") print(p.hamLog.linkTest() ? "link ok" : "link failed");
    if (command == L"hamlog") p.view.hamLog = true;
    if (command == L"logger32") p.view.hamLog = false;
    if (command == L"logger32-tick") p.logger32.onTimerTick();
    if (command == L"query" && has(1)) {
        const long key = std::wcstol(argv[i + 1], nullptr, 10);
        if (key >= 1 && key <= 4) p.link.queryHamLog(kQueries[key - 1]);
        return 1;
    }
    if (command == L"ptt" && has(1)) {
        p.hamLog.sendPtt(std::wstring(argv[i + 1]) == L"on");
        return 1;
    }
    if (command == L"pump" && has(1)) {
        pump(static_cast<DWORD>(std::wcstoul(argv[i + 1], nullptr, 10)));
        return 1;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QsLinkProbe";
    if (!RegisterClassW(&windowClass)) return 1;
    HWND window = CreateWindowW(L"QsLinkProbe", L"Quillstone link probe", WS_OVERLAPPED, 0, 0, 100,
                                100, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) return 1;
    Probe links;
    links.hamLogMessenger.setViewWindow(window);
    links.logger32Messenger.setViewWindow(window);
    probe = &links;
    for (int i = 1; i < argc; ++i) i += runCommand(links, argc, argv, i);
    probe = nullptr;
    DestroyWindow(window);
    return 0;
}
