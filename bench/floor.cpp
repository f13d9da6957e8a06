// bench/floor.cpp
// The least a program can do to show what the installer's welcome page shows: the same
// manifest, the same dialog template (the side picture, a text and two buttons), nothing else.
// The floor for the start-up row.
#include <windows.h>

#include "resources/resource.h"

namespace {

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetDlgItemTextA(window, IDC_PAGE_TEXT, "Welcome.");
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MESSAGE_PAGE), nullptr, &Procedure, 0));
}
