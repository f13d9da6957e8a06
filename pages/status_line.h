// pages/status_line.h
#pragma once

#include <windows.h>

#include <string>

#include "pages/control_hook.h"

// The searching page's status text (a static control), taken over so that a walk can set it
// thousands of times a second. While held, every set-text message still reaches the control and
// is answered, but the text stays here: the control neither stores it in the window system nor
// paints it, each of which costs more than examining a directory. WM_GETTEXT answers the newest
// text all the while, so another process or a screen reader reads what is about to be shown.
class StatusLine : private ControlHook {
public:
    // Takes over the control until destruction or the control's end.
    void Attach(HWND control) { Hook(control); }

    // One set-text message to the control.
    void SetText(const char* text) const;
    void Hold();
    // Gives the newest text to the control and paints it now; stops holding.
    void Show();
    bool IsHeld() const { return held_; }

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool held_ = false;
    bool changed_ = false;
    std::string text_;
};
