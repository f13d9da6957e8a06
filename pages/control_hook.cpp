// pages/control_hook.cpp
#include "pages/control_hook.h"

ControlHook::~ControlHook() {
    Unhook();
}

void ControlHook::Hook(HWND control) {
    Unhook();
    if (control == nullptr) {
        return;
    }
    control_ = control;
    SetWindowLongPtrA(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlHook::Procedure)));
}

void ControlHook::Unhook() {
    if (control_ == nullptr) {
        return;
    }
    SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    SetWindowLongPtrA(control_, GWLP_USERDATA, 0);
    control_ = nullptr;
}

LRESULT ControlHook::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcA(original_, control_, message, wParam, lParam);
}

LRESULT CALLBACK ControlHook::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* hook = reinterpret_cast<ControlHook*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (hook == nullptr || hook->control_ != window) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC original = hook->original_;
        hook->Unhook();
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    return hook->OnMessage(message, wParam, lParam);
}
