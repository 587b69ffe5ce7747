#include "ui/logging_links_win32.h"

#include "ui/controls_win32.h"

namespace qs::ui {

ViewLoggingLinks::ViewLoggingLinks(const ViewLoggingParts& parts)
    : fields_(parts.form),
      linkView_(parts.form, parts.core),
      writer_(parts.core.receiveText()),
      reports_(parts.receiveWindow, writer_, *this),
      hamLog_({hamLogMessenger_, codePage_, fields_, linkView_, reports_, parts.clock}),
      logger32_({logger32Messenger_, logger32Messenger_, reports_}),
      link_(hamLog_, logger32_, fields_, parts.program, parts.core.optionEffects().optionString()),
      ptt_(hamLog_, [this] { PostMessageW(view_, kLinkTestMessage, 0, 0); }) {}

void ViewLoggingLinks::attach(HWND view, HWND owner) {
    view_ = view;
    owner_ = owner;
    hamLogMessenger_.setViewWindow(view);
    logger32Messenger_.setViewWindow(view);
}

std::optional<LRESULT> ViewLoggingLinks::handleMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == kLinkTestMessage) {
        hamLog_.linkTest();
        return 0;
    }
    if (message == WM_COPYDATA) {
        if (logging::takeHamLogAnswer(hamLog_, l)) return TRUE;
        return std::nullopt;
    }
    return logging::handleLogger32Message(logger32_, message, w, l);
}

void ViewLoggingLinks::showMessage(TextView text) {
    MessageBoxW(owner_, win::wide(text).c_str(), L"Quillstone", MB_OK);
}

void ViewLoggingLinks::showExclamation(TextView text) {
    MessageBoxW(owner_, win::wide(text).c_str(), L"Quillstone", MB_OK | MB_ICONEXCLAMATION);
}

void ViewLoggingLinks::beep() {
    MessageBeep(MB_OK);
}

}  // namespace qs::ui
