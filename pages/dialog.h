// pages/dialog.h
#pragma once

#include <windows.h>

// A dialog built from a template of this executable: message plumbing only. WM_INITDIALOG
// reaches OnInitDialog, IDOK and IDCANCEL reach OnOK and OnCancel, other commands OnCommand.
// A modeless dialog's window belongs to the object and is destroyed with it.
class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Runs the dialog's own modal loop; the end code, or raises "Resource Exception" when the
    // window system cannot create the dialog.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the window and returns at once; raises like DoModal.
    void CreateModeless(HWND owner = nullptr);

    HWND Window() const { return window_; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Commands other than IDOK and IDCANCEL; true when handled.
    virtual bool OnCommand(int /*id*/, int /*notification*/, HWND /*control*/) { return false; }
    // Any other message; true with *result set when handled.
    virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, INT_PTR* /*result*/) { return false; }

    // Ends a modal dialog with code; destroys a modeless one.
    void End(INT_PTR code);

    HWND Item(int id) const { return GetDlgItem(window_, id); }
    void SetItemText(int id, const char* text) const { SetDlgItemTextA(window_, id, text); }
    void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable ? TRUE : FALSE); }
    void ShowItem(int id, bool show) const { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }
    void CheckButton(int id, bool checked) const {
        CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    bool IsButtonChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

private:
    INT_PTR Serve(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND window_ = nullptr;
    bool modal_ = false;
};
