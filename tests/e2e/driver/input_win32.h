#pragma once
// Keyboard and mouse input as the operator gives it: real input events
// through SendInput, so that the program's message loop, key pre-translation
// and TranslateMessage see them in the order they were typed.

#include <windows.h>

#include <string>

namespace qs::e2e {

// One action's input to the thread of the program's main window. The driver
// shares that thread's input state meanwhile, which lets it move the focus and
// see when the program has taken every event sent before.
class InputSession {
  public:
    explicit InputSession(HWND mainWindow);
    ~InputSession();
    InputSession(const InputSession&) = delete;
    InputSession& operator=(const InputSession&) = delete;

    bool focus(HWND control);

    // Plain characters are typed as they are. Names in braces are keys:
    // {F1}..{F12}, {ENTER}, {ESC}, {TAB}, {BACKSPACE}, {DELETE}, {UP}, {DOWN},
    // {LEFT}, {RIGHT}, {PGUP}, {PGDN}, {HOME}, {END}, {SHIFT}, {CTRL}, with an
    // optional "SHIFT+" or "CTRL+" in front ({SHIFT+F1}); {{} is a brace.
    bool typeKeys(const std::wstring& keys);

    // One key of those names (without braces) pressed or released alone,
    // so that a scenario can look at the program while a key is held.
    bool pressKey(const std::wstring& name, bool release);

    // A left (or right) click at a screen point, delivered to whatever
    // window is there.
    bool click(POINT screenPoint, bool right = false);

    // Returns once the program has handled every message posted and every
    // input event sent before: a marker key (F24) is pressed and released,
    // and the program's thread takes it only after everything ahead of it.
    // Its key messages reach the program like any other key.
    bool waitUntilHandled();

  private:
    DWORD targetThread_;
    bool attached_;
};

}  // namespace qs::e2e
