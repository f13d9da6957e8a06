// pages/check_list_box.h
#pragma once

#include <windows.h>

#include <cstddef>

#include "pages/check_list_accessibility.h"
#include "pages/control_hook.h"

// An owner-drawn list box with a check box on each line, as the host selection page needs it:
// a click on a line's box or the space bar on the line with the focus toggles it, like
// BS_AUTOCHECKBOX; screen readers hear each line as a check button and whether it is ticked. Each
// line's item data holds the number of the record it shows, shifted left by one, with its check
// state in bit 0, so that another process (the end-to-end driver) can read both with
// LB_GETITEMDATA.
class CheckListBox : private ControlHook {
public:
    CheckListBox() : accessibility_(*this) {}
    // Takes over the list box control until destruction or the control's end.
    void Attach(HWND listBox) {
        Hook(listBox);
        accessibility_.Start(listBox);
    }

    // Appends a line for record number `record`; its position.
    int AddLine(const char* caption, std::size_t record, bool checked);
    int LineCount() const;
    bool IsChecked(int line) const;
    void SetChecked(int line, bool checked);
    std::size_t RecordOf(int line) const;
    // The selected line, or -1.
    int Selection() const;
    // The line with the focus rectangle: the first before any was selected.
    int FocusedLine() const;
    HWND Handle() const { return Control(); }

    // Lines tall enough for the box and the dialog's font. (WM_MEASUREITEM of a fixed-height
    // owner-drawn list comes before the dialog's WM_INITDIALOG, too early for the page.)
    void FitLineHeight() const;
    // The page forwards WM_DRAWITEM for the control here.
    void Draw(const DRAWITEMSTRUCT& item) const;

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int BoxSize() const;
    void Toggle(int line);

    CheckListAccessibility accessibility_;
};
