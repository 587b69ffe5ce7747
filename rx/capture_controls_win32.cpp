#include "rx/capture_controls_win32.h"

#include <shellapi.h>

#include <string>

namespace qs::rx {

namespace {

// Win32 wide strings are UTF-16 like Text; this adds the terminating null.
std::wstring wide(TextView text) { return std::wstring(text.begin(), text.end()); }

constexpr INT_PTR kShellExecuteFailureLimit = 32;  // results up to this are errors

}  // namespace

void SoundDeviceComboBox::addEntry(TextView description, const CaptureDeviceId* device) {
    const std::wstring text = wide(description);
    // The index the entry got: the list is unsorted, so entries whose texts
    // share a prefix still get their own device.
    const LRESULT entry =
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (entry < 0) return;
    SendMessageW(combo_, CB_SETITEMDATA, entry, reinterpret_cast<LPARAM>(device));
}

int SoundDeviceComboBox::selectedEntry() const {
    return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
}

Text SoundDeviceComboBox::entryText(int entry) const {
    const LRESULT length = SendMessageW(combo_, CB_GETLBTEXTLEN, entry, 0);
    if (length < 0) return Text();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(combo_, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(text.data()));
    if (copied < 0) return Text();
    return Text(text.begin(), text.begin() + copied);
}

const CaptureDeviceId* SoundDeviceComboBox::entryDevice(int entry) const {
    if (entry < 0 || entry >= entryCount()) return nullptr;
    const LRESULT data = SendMessageW(combo_, CB_GETITEMDATA, entry, 0);
    if (data == CB_ERR) return nullptr;
    return reinterpret_cast<const CaptureDeviceId*>(data);
}

void SoundDeviceComboBox::selectEntry(int entry) {
    SendMessageW(combo_, CB_SETCURSEL, entry, 0);
}

int SoundDeviceComboBox::entryCount() const {
    const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    return count < 0 ? 0 : static_cast<int>(count);
}

void WindowsCaptureDesktop::showError(TextView text) {
    MessageBoxW(owner_, wide(text).c_str(), wide(caption_).c_str(), MB_OK | MB_ICONERROR);
}

void WindowsCaptureDesktop::showMessage(TextView text) {
    MessageBoxW(owner_, wide(text).c_str(), wide(caption_).c_str(), MB_OK);
}

bool WindowsCaptureDesktop::openProgram(TextView program, TextView parameters) {
    const HINSTANCE result = ShellExecuteW(owner_, L"open", wide(program).c_str(),
                                           wide(parameters).c_str(), nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > kShellExecuteFailureLimit;
}

}  // namespace qs::rx
