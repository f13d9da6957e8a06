// pages/status_line.cpp
#include "pages/status_line.h"

#include <cstring>

void StatusLine::SetText(const char* text) const {
    SendMessageA(Control(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void StatusLine::Hold() {
    held_ = true;
}

void StatusLine::Show() {
    held_ = false;
    if (Control() == nullptr) {
        return;
    }
    if (changed_) {
        changed_ = false;
        SetText(text_.c_str());
    }
    UpdateWindow(Control());
}

LRESULT StatusLine::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
    return CallOriginal(message, wParam, lParam);
}
