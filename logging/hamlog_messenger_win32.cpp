#include "logging/hamlog_messenger_win32.h"

namespace qs::logging {

HamLogMessenger::Window Win32HamLogMessenger::findHamLog() {
    return reinterpret_cast<Window>(FindWindowW(L"TThwin", nullptr));
}

bool Win32HamLogMessenger::send(Window hamLog, const HamLogRequest& request) {
    COPYDATASTRUCT data{};
    data.dwData = static_cast<ULONG_PTR>(request.code);
    data.cbData = static_cast<DWORD>(request.payload.size());
    data.lpData = request.payload.empty() ? nullptr : const_cast<char*>(request.payload.data());
    DWORD_PTR result = 0;
    const LRESULT sent = SendMessageTimeoutW(
        reinterpret_cast<HWND>(hamLog), WM_COPYDATA, reinterpret_cast<WPARAM>(view_.load()),
        reinterpret_cast<LPARAM>(&data), SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return sent != 0;
}

bool takeHamLogAnswer(HamLogLink& link, LPARAM copyData) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
    if (data == nullptr) return link.takeAnswer(nullptr, 0);
    return link.takeAnswer(static_cast<const char*>(data->lpData), data->cbData);
}

}  // namespace qs::logging
