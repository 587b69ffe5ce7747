#include "logging/logger32_messenger_win32.h"

#include <string>

namespace qs::logging {

Logger32Messenger::Window Win32Logger32Messenger::findLogger32() {
    return reinterpret_cast<Window>(FindWindowW(nullptr, L"Logger32"));
}

unsigned Win32Logger32Messenger::registerMessage(TextView name) {
    const std::wstring wide(name.begin(), name.end());
    return RegisterWindowMessageW(wide.c_str());
}

void Win32Logger32Messenger::post(Window to, unsigned message, std::uintptr_t wParam,
                                  std::uintptr_t lParam) {
    PostMessageW(reinterpret_cast<HWND>(to), message, static_cast<WPARAM>(wParam),
                 static_cast<LPARAM>(lParam));
}

// The ANSI form: the system hands Logger32 the bytes as they are.
void Win32Logger32Messenger::sendRecord(Window to, const std::string& record) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(reinterpret_cast<HWND>(to), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(record.c_str()), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &result);
}

void Win32Logger32Messenger::start(int periodMs) {
    connectTimerId_ = SetTimer(view_, kTimerId, static_cast<UINT>(periodMs), nullptr);
}

void Win32Logger32Messenger::kill() {
    KillTimer(view_, kTimerId);
}

std::optional<LRESULT> handleLogger32Message(Logger32Link& link, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_TIMER) {
        link.onTimerTick();
        return 0;
    }
    if (message != 0 && message == link.handshakeMessage() &&
        link.onHandshakeMessage(static_cast<std::uintptr_t>(w), static_cast<std::uintptr_t>(l))) {
        return 0;
    }
    return std::nullopt;
}

}  // namespace qs::logging
