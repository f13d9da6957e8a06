// pages/control_hook.h
#pragma once

#include <windows.h>

// A window procedure of ours in front of one control's own, for as long as the object or the
// control lives. Installed with SetWindowLongPtr rather than SetWindowSubclass, whose dispatch
// looks up window properties on every message (a round trip to the window server under Wine):
// the status line takes thousands of messages a second.
class ControlHook {
public:
    ControlHook(const ControlHook&) = delete;
    ControlHook& operator=(const ControlHook&) = delete;

protected:
    ControlHook() = default;
    virtual ~ControlHook();

    // Set through the ANSI call, so the procedure receives ANSI text whatever the control's
    // class. Null does nothing.
    void Hook(HWND control);
    void Unhook();
    HWND Control() const { return control_; }

    // Every message of the control but its last; CallOriginal for what is not ours.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    LRESULT Serve(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND control_ = nullptr;
    WNDPROC original_ = nullptr;
};
