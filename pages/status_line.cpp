// pages/status_line.cpp
#include "pages/status_line.h"

#include <cstring>

StatusLine::~StatusLine() {
    Detach();
}

void StatusLine::Attach(HWND control) {
    Detach();
    if (control == nullptr) {
        return;
    }
    control_ = control;
    SetWindowLongPtrA(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // Set through the ANSI call, the procedure receives ANSI text whatever the control's class.
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StatusLine::Procedure)));
}

void StatusLine::Detach() {
    if (control_ == nullptr) {
        return;
    }
    SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    SetWindowLongPtrA(control_, GWLP_USERDATA, 0);
    control_ = nullptr;
}

void StatusLine::SetText(const char* text) const {
    SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void StatusLine::Hold() {
    held_ = true;
}

void StatusLine::Show() {
    held_ = false;
    if (control_ == nullptr) {
        return;
    }
    if (changed_) {
        changed_ = false;
        SetText(text_.c_str());
    }
    UpdateWindow(control_);
}

LRESULT CALLBACK StatusLine::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* line = reinterpret_cast<StatusLine*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (line == nullptr || line->control_ != window) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC original = line->original_;
        line->Detach();
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    return line->Answer(message, wParam, lParam);
}

LRESULT StatusLine::Answer(UINT message, WPARAM wParam, LPARAM lParam) {
    if (held_ && message == WM_SETTEXT) {
        text_ = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
        changed_ = true;
        return TRUE;
    }
    if (changed_ && message == WM_GETTEXTLENGTH) {
        return static_cast<LRESULT>(text_.size());
    }
    if (changed_ && message == WM_GETTEXT) {
        if (wParam == 0 || lParam == 0) {
            return 0;
        }
        const std::size_t copied = text_.size() < wParam - 1 ? text_.size() : wParam - 1;
        std::memcpy(reinterpret_cast<char*>(lParam), text_.data(), copied);
        reinterpret_cast<char*>(lParam)[copied] = '\0';
        return static_cast<LRESULT>(copied);
    }
    return CallWindowProcA(original_, control_, message, wParam, lParam);
}
