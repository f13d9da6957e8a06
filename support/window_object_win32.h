// support/window_object_win32.h
#pragma once

#include <windows.h>

// The object serving a window of ours, kept where the window procedure finds it: GWLP_USERDATA
// of a window or a control taken over, DWLP_USER of a dialog. It comes with WM_NCCREATE's creation
// parameter (a dialog's with WM_INITDIALOG's) or through Attach.
template <typename Object, bool IsDialog = false>
class WindowObject {
public:
    static void Attach(HWND window, Object* object) {
        SetWindowLongPtrA(window, kSlot, reinterpret_cast<LONG_PTR>(object));
    }

    // Hands every message to the object's Serve(window, message, wParam, lParam); without one,
    // to the default window procedure or, for a dialog, to the dialog manager.
    template <auto Serve>
    static auto CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (IsDialog && message == WM_INITDIALOG) {
            Attach(window, reinterpret_cast<Object*>(lParam));
        } else if (!IsDialog && message == WM_NCCREATE) {
            Attach(window, static_cast<Object*>(
                               reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams));
        }
        if (auto* object = reinterpret_cast<Object*>(GetWindowLongPtrA(window, kSlot))) {
            return (object->*Serve)(window, message, wParam, lParam);
        }
        if constexpr (IsDialog) {
            return INT_PTR{FALSE};
        } else {
            return DefWindowProcA(window, message, wParam, lParam);
        }
    }

private:
    static constexpr int kSlot = IsDialog ? static_cast<int>(DWLP_USER) : GWLP_USERDATA;
};
