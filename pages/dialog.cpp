// pages/dialog.cpp
#include "pages/dialog.h"

#include <utility>

#include "support/exception.h"
#include "support/window_object_win32.h"

namespace {

using DialogObject = WindowObject<Dialog, true>;

// The templates place the pages at the screen's corner; a person expects them in the middle.
void CenterOnWorkArea(HWND window) {
    if (GetParent(window) != nullptr) {
        return;
    }
    RECT area{};
    RECT frame{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0) || !GetWindowRect(window, &frame)) {
        return;
    }
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

Dialog::~Dialog() {
    if (!modal_ && window_ != nullptr) {
        DestroyWindow(window_);
    }
}

INT_PTR Dialog::DoModal(HWND owner) {
    modal_ = true;
    const INT_PTR code =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                        &DialogObject::Procedure<&Dialog::Serve>, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    // A page that cannot be created must end the run rather than be asked for again and again.
    if (code == -1 || code == 0) {
        throw Exception(ExceptionCode::Resource);
    }
    return code;
}

void Dialog::CreateModeless(HWND owner) {
    modal_ = false;
    if (CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                           &DialogObject::Procedure<&Dialog::Serve>,
                           reinterpret_cast<LPARAM>(this)) == nullptr) {
        throw Exception(ExceptionCode::Resource);
    }
}

void Dialog::End(INT_PTR code) {
    if (window_ == nullptr) {
        return;
    }
    if (modal_) {
        EndDialog(window_, code);
    } else {
        DestroyWindow(std::exchange(window_, nullptr));
    }
}

INT_PTR Dialog::Serve(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            window_ = window;
            CenterOnWorkArea(window_);
            return OnInitDialog();
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int notification = HIWORD(wParam);
            if (id == IDOK && notification == BN_CLICKED) {
                OnOK();
                return TRUE;
            }
            if (id == IDCANCEL && notification == BN_CLICKED) {
                OnCancel();
                return TRUE;
            }
            return OnCommand(id, notification, reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        }
        case WM_NCDESTROY:
            DialogObject::Attach(window, nullptr);
            if (window_ == window) {
                window_ = nullptr;
            }
            return FALSE;
        default: {
            INT_PTR result = FALSE;
            return OnMessage(message, wParam, lParam, &result) ? result : FALSE;
        }
    }
}
