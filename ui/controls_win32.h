#pragma once
// Thin wrappers over window handles of the standard controls: one line per
// message, no state of their own. Text crosses as UTF-16 (wchar_t is 16 bits
// on Windows, the same code units as qs::Text).

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "common/text.h"

namespace qs::win {

inline std::wstring wide(TextView text) {
    return std::wstring(text.begin(), text.end());
}
inline Text fromWide(const wchar_t* text, size_t length) {
    return Text(reinterpret_cast<const char16_t*>(text), length);
}
inline Text fromWide(const std::wstring& text) {
    return fromWide(text.data(), text.size());
}

class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}

    HWND handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    LRESULT send(UINT message, WPARAM w = 0, LPARAM l = 0) const {
        return SendMessageW(handle_, message, w, l);
    }

    Text text() const {
        std::wstring buffer(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
        const int length = GetWindowTextW(handle_, buffer.data(), static_cast<int>(buffer.size()));
        return fromWide(buffer.data(), static_cast<size_t>(length > 0 ? length : 0));
    }
    void setText(TextView text) const { SetWindowTextW(handle_, wide(text).c_str()); }
    void show(bool visible) const { ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE); }
    void enable(bool enabled) const { EnableWindow(handle_, enabled ? TRUE : FALSE); }
    void focus() const { SetFocus(handle_); }
    void invalidate() const { InvalidateRect(handle_, nullptr, TRUE); }

private:
    HWND handle_ = nullptr;
};

class Button : public Window {
public:
    using Window::Window;
    bool checked() const { return send(BM_GETCHECK) == BST_CHECKED; }
    void setChecked(bool on) const { send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }
};

class ComboBox : public Window {
public:
    using Window::Window;
    void add(TextView text) const {
        send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
    }
    int count() const { return static_cast<int>(send(CB_GETCOUNT)); }
    int selection() const { return static_cast<int>(send(CB_GETCURSEL)); }
    void select(int index) const { send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    Text itemText(int index) const {
        const LRESULT length = send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
        if (length == CB_ERR) return {};
        std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
        send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
        return fromWide(buffer.data(), static_cast<size_t>(length));
    }
};

class Trackbar : public Window {
public:
    using Window::Window;
    void setRange(int low, int high) const { send(TBM_SETRANGE, TRUE, MAKELPARAM(low, high)); }
    void setTickFrequency(int every) const { send(TBM_SETTICFREQ, static_cast<WPARAM>(every)); }
    void setPageSize(int size) const { send(TBM_SETPAGESIZE, 0, size); }
    void setLineSize(int size) const { send(TBM_SETLINESIZE, 0, size); }
    void setSelection(int first, int last) const {
        send(TBM_SETSEL, TRUE, MAKELPARAM(first, last));
    }
    int position() const { return static_cast<int>(send(TBM_GETPOS)); }
    // Moves the thumb without a scroll notification.
    void setPosition(int position) const { send(TBM_SETPOS, TRUE, position); }
};

}  // namespace qs::win
