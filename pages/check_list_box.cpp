// pages/check_list_box.cpp
#include "pages/check_list_box.h"

#include <algorithm>

#include "support/window_dpi_win32.h"

namespace {

constexpr int kBoxMargin = 2;

}  // namespace

int CheckListBox::AddLine(const char* caption, std::size_t record, bool checked) {
    const int line = static_cast<int>(
        SendMessageA(Control(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption)));
    if (line >= 0) {
        SendMessageA(Control(), LB_SETITEMDATA, static_cast<WPARAM>(line),
                     static_cast<LPARAM>((record << 1) | (checked ? 1 : 0)));
    }
    return line;
}

int CheckListBox::LineCount() const {
    return static_cast<int>(SendMessageA(Control(), LB_GETCOUNT, 0, 0));
}

bool CheckListBox::IsChecked(int line) const {
    return (SendMessageA(Control(), LB_GETITEMDATA, static_cast<WPARAM>(line), 0) & 1) != 0;
}

void CheckListBox::SetChecked(int line, bool checked) {
    const LRESULT data = SendMessageA(Control(), LB_GETITEMDATA, static_cast<WPARAM>(line), 0);
    SendMessageA(Control(), LB_SETITEMDATA, static_cast<WPARAM>(line),
                 (data & ~LRESULT{1}) | (checked ? 1 : 0));
    RECT box{};
    if (SendMessageA(Control(), LB_GETITEMRECT, static_cast<WPARAM>(line),
                     reinterpret_cast<LPARAM>(&box)) != LB_ERR) {
        InvalidateRect(Control(), &box, FALSE);
    }
}

std::size_t CheckListBox::RecordOf(int line) const {
    return static_cast<std::size_t>(
               SendMessageA(Control(), LB_GETITEMDATA, static_cast<WPARAM>(line), 0)) >>
           1;
}

int CheckListBox::Selection() const {
    return static_cast<int>(SendMessageA(Control(), LB_GETCURSEL, 0, 0));
}

int CheckListBox::FocusedLine() const {
    return static_cast<int>(SendMessageA(Control(), LB_GETCARETINDEX, 0, 0));
}

int CheckListBox::BoxSize() const {
    return MetricForWindow(Control(), SM_CYMENUCHECK);
}

void CheckListBox::Toggle(int line) {
    if (line >= 0 && line < LineCount()) {
        SetChecked(line, !IsChecked(line));
        accessibility_.StateChanged(line);
    }
}

void CheckListBox::FitLineHeight() const {
    HDC dc = GetDC(Control());
    HGDIOBJ previous = SelectObject(
        dc, reinterpret_cast<HGDIOBJ>(SendMessageA(GetParent(Control()), WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(Control(), dc);
    SendMessageA(Control(), LB_SETITEMHEIGHT, 0,
                 std::max(static_cast<int>(metrics.tmHeight), BoxSize()) + 2);
}

void CheckListBox::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1)) {
        return;
    }
    const int line = static_cast<int>(item.itemID);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    RECT whole = item.rcItem;

    const int box = BoxSize();
    RECT boxRect{whole.left + kBoxMargin, whole.top + (whole.bottom - whole.top - box) / 2,
                 whole.left + kBoxMargin + box, 0};
    boxRect.bottom = boxRect.top + box;
    FillRect(dc, &whole, GetSysColorBrush(COLOR_WINDOW));
    DrawFrameControl(dc, &boxRect, DFC_BUTTON,
                     DFCS_BUTTONCHECK | (IsChecked(line) ? DFCS_CHECKED : 0));

    RECT text = whole;
    text.left = boxRect.right + kBoxMargin * 2;
    FillRect(dc, &text, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    char caption[512] = {};
    const LRESULT length = SendMessageA(Control(), LB_GETTEXTLEN, item.itemID, 0);
    if (length >= 0 && length < static_cast<LRESULT>(sizeof caption)) {
        SendMessageA(Control(), LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(caption));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    text.left += 1;
    DrawTextA(dc, caption, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(dc, &text);
    }
}

LRESULT CheckListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        const LRESULT hit = SendMessageA(Control(), LB_ITEMFROMPOINT, 0, lParam);
        const int line = LOWORD(hit);
        const int x = static_cast<short>(LOWORD(lParam));
        if (HIWORD(hit) == 0 && x < kBoxMargin * 2 + BoxSize()) {
            // The box itself: select the line as a click would, and toggle it.
            const LRESULT result = CallOriginal(message, wParam, lParam);
            Toggle(line);
            return result;
        }
    } else if (message == WM_KEYDOWN && wParam == VK_SPACE) {
        // The focused line, which is the first before any was clicked or selected.
        Toggle(FocusedLine());
        return 0;
    } else if (message == WM_CHAR && wParam == ' ') {
        return 0;
    } else if (message == WM_DPICHANGED_AFTERPARENT) {
        // Moved to a monitor of another scale: the dialog has its new font by now.
        FitLineHeight();
        InvalidateRect(Control(), nullptr, TRUE);
    } else if (message == WM_DESTROY) {
        accessibility_.Stop();
    }
    return CallOriginal(message, wParam, lParam);
}
