// pages/control_hook.cpp
#include "pages/control_hook.h"

#include "support/window_object_win32.h"

ControlHook::~ControlHook() {
    Unhook();
}

void ControlHook::Hook(HWND control) {
    Unhook();
    if (control == nullptr) {
        return;
    }
    control_ = control;
    WindowObject<ControlHook>::Attach(control_, this);
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        control_, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(&WindowObject<ControlHook>::Procedure<&ControlHook::Serve>)));
}

void ControlHook::Unhook() {
    if (control_ == nullptr) {
        return;
    }
    SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    WindowObject<ControlHook>::Attach(control_, nullptr);
    control_ = nullptr;
}

LRESULT ControlHook::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcA(original_, control_, message, wParam, lParam);
}

LRESULT ControlHook::Serve(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (control_ != window) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC original = original_;
        Unhook();
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    return OnMessage(message, wParam, lParam);
}
