// payloads/shell/shell_window_win32.cpp
#include "payloads/shell/shell_window.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <utility>

#include "payloads/shell/installed_files.h"
#include "payloads/shell/picture_file.h"
#include "payloads/shell/plugin_library.h"
#include "support/wide_text.h"
#include "support/window_dpi_win32.h"
#include "support/window_object_win32.h"

namespace {

enum ControlId { kPluginList = 101, kPresetList, kOpen, kApply, kSave, kPluginLabel, kPresetLabel };
const int kControls[] = {kPluginLabel, kPluginList, kPresetLabel, kPresetList,
                         kOpen,        kApply,      kSave};
const int kButtons[] = {kOpen, kApply, kSave};
const char kClassName[] = "TarvelleShell";

// The layout at 96 dots per inch, in pixels; the window scales it to its own.
const int kWindowWidth = 760;
const int kWindowHeight = 440;
const int kMargin = 8;
const int kLabelGap = 2;       // a label above its list
const int kSectionGap = 6;     // a list above the next label
const int kButtonsGap = 10;    // the presets above the buttons
const int kButtonGap = 7;      // between two buttons
const int kColumnWidth = 230;  // the least width of the left column
const int kButtonWidth = 72;   // the least width of a button
const int kButtonHeight = 24;  // the least height of a button
const int kButtonPadding = 8;  // a button's caption clear of its frame at either side (half
                               // that above and below)
const int kLinePadding = 4;    // a list's line clear of its border and scroll bar
const int kPictureGap = 12;    // the left column beside the status line and the picture
const int kStatusGap = 8;      // the status line above the picture
const int kPluginLines = 3;
const int kLeastPresetLines = 4;
const int kLeastStatusWidth = 160;  // beside the left column in the smallest window

// The size of text in the font selected into dc; format says whether an "&" marks a mnemonic.
SIZE TextSize(HDC dc, const std::string& text, UINT format) {
    RECT box{};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CALCRECT | DT_SINGLELINE | format);
    return SIZE{box.right - box.left, box.bottom - box.top};
}

std::string WindowString(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        std::max(0, GetWindowTextA(window, text.data(), static_cast<int>(text.size())))));
    return text;
}

// The widest line of a list box, in the font selected into dc.
int WidestLine(HDC dc, HWND list) {
    int widest = 0;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length <= 0) {
            continue;
        }
        std::string line(static_cast<std::size_t>(length) + 1, '\0');
        const LRESULT copied = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                            reinterpret_cast<LPARAM>(line.data()));
        line.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
        widest = std::max(widest, static_cast<int>(TextSize(dc, line, DT_NOPREFIX).cx));
    }
    return widest;
}

}  // namespace

ShellWindow::ShellWindow(const std::string& picture) {
    if (!picture.empty()) {
        OpenPicture(picture);
    }
}

void ShellWindow::OpenPicture(const std::string& path) {
    Image read;
    std::string error;
    if (!ReadPicture(path, read, error)) {
        status_ = error;
        return;
    }
    image_ = std::move(read);
    picture_ = path;
    status_ = path;
}

void ShellWindow::ShowTitle() {
    std::string title = "Tarvelle Shell";
    if (!picture_.empty()) {
        title = picture_.substr(picture_.find_last_of("\\/") + 1) + " - " + title;
    }
    SetWindowTextA(window_, title.c_str());
}

int ShellWindow::Run(int show) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA type{};
    type.lpfnWndProc = &WindowObject<ShellWindow>::Procedure<&ShellWindow::Serve>;
    type.hInstance = instance;
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = kClassName;
    RegisterClassA(&type);
    HWND window = CreateWindowExA(0, kClassName, "Tarvelle Shell", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, kWindowHeight,
                                  nullptr, nullptr, instance, this);
    if (window == nullptr) {
        return 1;
    }
    // Created on its monitor at 96 dots per inch's size; as large as the monitor's scale before
    // it is seen, and no larger than the monitor's work area.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    int width = Scale(kWindowWidth);
    int height = Scale(kWindowHeight);
    if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        width = std::min(width, static_cast<int>(monitor.rcWork.right - monitor.rcWork.left));
        height = std::min(height, static_cast<int>(monitor.rcWork.bottom - monitor.rcWork.top));
    }
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window, show);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

LRESULT ShellWindow::Serve(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            window_ = window;
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_CREATE:
            Create();
            return 0;
        case WM_GETMINMAXINFO:
            LimitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SIZE:
            Layout();
            InvalidateRect(window, nullptr, TRUE);  // the picture fits the new size
            return 0;
        case WM_DPICHANGED: {
            // Moved to a monitor of another scale: the font and the sizes measured in it first,
            // then the rectangle Windows suggests (the same place at the new scale), whose
            // WM_SIZE lays the controls out again.
            UseDpi(HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested.left, suggested.top,
                         suggested.right - suggested.left, suggested.bottom - suggested.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            Layout();  // the suggested size may be the one it has
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND ShellWindow::Child(const char* type, const char* text, DWORD style, int id) {
    return CreateWindowExA(0, type, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void ShellWindow::Create() {
    Child("STATIC", "Plug-ins:", SS_NOPREFIX, kPluginLabel);
    HWND plugins = Child("LISTBOX", "", WS_BORDER | WS_VSCROLL, kPluginList);
    for (const std::string& name : PluginFiles()) {
        SendMessageA(plugins, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    Child("STATIC", "Presets:", SS_NOPREFIX, kPresetLabel);
    HWND presets = Child("LISTBOX", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, kPresetList);
    std::string error;
    if (LoadPresets(presets_, error)) {
        for (const Preset& preset : presets_) {
            SendMessageA(presets, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(preset.name.c_str()));
        }
    } else {
        status_ = error;
    }
    Child("BUTTON", "&Open...", BS_PUSHBUTTON, kOpen);
    Child("BUTTON", "&Apply", BS_PUSHBUTTON, kApply);
    Child("BUTTON", "&Save As...", BS_PUSHBUTTON, kSave);
    UseDpi(WindowDpi(window_));
    Layout();
    ShowTitle();
}

int ShellWindow::Scale(int pixels) const {
    return MulDiv(pixels, static_cast<int>(dpi_), 96);
}

void ShellWindow::UseDpi(UINT dpi) {
    dpi_ = dpi;
    auto font = std::make_unique<MessageFont>(dpi);
    for (const int id : kControls) {
        SendDlgItemMessageA(window_, id, WM_SETFONT, reinterpret_cast<WPARAM>(font->Handle()),
                            FALSE);
    }
    // The old font goes only now that no control draws in it.
    font_ = std::move(font);
    Measure();
}

void ShellWindow::Measure() {
    HDC dc = GetDC(window_);
    if (dc == nullptr) {
        return;
    }
    const HGDIOBJ previous =
        font_->Handle() != nullptr ? SelectObject(dc, font_->Handle()) : nullptr;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    textHeight_ = metrics.tmHeight;
    buttonWidth_ = Scale(kButtonWidth);
    buttonHeight_ = std::max(Scale(kButtonHeight), textHeight_ + Scale(kButtonPadding));
    for (const int id : kButtons) {
        const SIZE caption = TextSize(dc, WindowString(GetDlgItem(window_, id)), 0);
        buttonWidth_ =
            std::max(buttonWidth_, static_cast<int>(caption.cx) + 2 * Scale(kButtonPadding));
    }
    const int border = 2 * MetricForWindow(window_, SM_CXBORDER);
    const int scrollBar = MetricForWindow(window_, SM_CXVSCROLL);
    columnWidth_ = std::max(Scale(kColumnWidth), 3 * buttonWidth_ + 2 * Scale(kButtonGap));
    for (const int id : {kPluginLabel, kPresetLabel}) {
        const SIZE label = TextSize(dc, WindowString(GetDlgItem(window_, id)), DT_NOPREFIX);
        columnWidth_ = std::max(columnWidth_, static_cast<int>(label.cx));
    }
    for (const int id : {kPluginList, kPresetList}) {
        const int line = WidestLine(dc, GetDlgItem(window_, id));
        columnWidth_ = std::max(columnWidth_, line + 2 * Scale(kLinePadding) + scrollBar + border);
    }
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    ReleaseDC(window_, dc);
}

ShellWindow::ColumnPlaces ShellWindow::Column() const {
    const int lineHeight = std::max(
        1, static_cast<int>(SendDlgItemMessageA(window_, kPluginList, LB_GETITEMHEIGHT, 0, 0)));
    const int border = 2 * MetricForWindow(window_, SM_CYBORDER);
    ColumnPlaces column;
    column.pluginLabel = Scale(kMargin);
    column.pluginList = column.pluginLabel + textHeight_ + Scale(kLabelGap);
    column.pluginListHeight = kPluginLines * lineHeight + border;
    column.presetLabel = column.pluginList + column.pluginListHeight + Scale(kSectionGap);
    column.presetList = column.presetLabel + textHeight_ + Scale(kLabelGap);
    column.buttons =
        column.presetList + kLeastPresetLines * lineHeight + border + Scale(kButtonsGap);
    return column;
}

void ShellWindow::Layout() {
    RECT client{};
    GetClientRect(window_, &client);
    const auto place = [this](int id, int x, int y, int width, int height) {
        SetWindowPos(GetDlgItem(window_, id), nullptr, x, y, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const int left = Scale(kMargin);
    const ColumnPlaces column = Column();
    place(kPluginLabel, left, column.pluginLabel, columnWidth_, textHeight_);
    place(kPluginList, left, column.pluginList, columnWidth_, column.pluginListHeight);
    place(kPresetLabel, left, column.presetLabel, columnWidth_, textHeight_);
    // The presets take the height the buttons leave, with a few lines at least.
    const int buttonsTop =
        std::max(static_cast<int>(client.bottom) - Scale(kMargin) - buttonHeight_, column.buttons);
    place(kPresetList, left, column.presetList, columnWidth_,
          buttonsTop - Scale(kButtonsGap) - column.presetList);
    int x = left;
    for (const int id : kButtons) {
        place(id, x, buttonsTop, buttonWidth_, buttonHeight_);
        x += buttonWidth_ + Scale(kButtonGap);
    }
}

void ShellWindow::LimitSize(MINMAXINFO& limits) const {
    // Asked before the window is made too, when nothing is measured yet.
    if (textHeight_ == 0) {
        return;
    }
    const SIZE client{Scale(kMargin) + columnWidth_ + Scale(kPictureGap) +
                          Scale(kLeastStatusWidth) + Scale(kMargin),
                      Column().buttons + buttonHeight_ + Scale(kMargin)};
    const SIZE window = WindowSizeForClient(window_, client);
    limits.ptMinTrackSize = POINT{window.cx, window.cy};
}

std::string ShellWindow::AskForFile(bool save, std::string& error) const {
    // Through the wide call, with room for any path: in the program's code page the name may
    // take more bytes than MAX_PATH.
    std::wstring path(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = save ? L"Bitmap pictures (*.bmp)\0*.bmp\0"
                              : L"Pictures (*.bmp;*.png;*.jpg)\0*.bmp;*.png;*.jpg;*.jpeg\0";
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = L"bmp";
    dialog.Flags = save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) {
        return std::string();
    }
    path.resize(path.find(L'\0'));
    Text bytes;
    if (!TextFromWide(path, bytes)) {
        error = "This version of Windows cannot pass that file's name to Tarvelle Shell exactly.";
        return std::string();
    }
    return bytes.Bytes();
}

void ShellWindow::OnCommand(int id) {
    std::string error;
    if (id == kOpen) {
        const std::string path = AskForFile(false, error);
        if (!path.empty()) {
            OpenPicture(path);
        } else if (!error.empty()) {
            status_ = error;
        }
    } else if (id == kApply) {
        const LRESULT preset = SendDlgItemMessageA(window_, kPresetList, LB_GETCURSEL, 0, 0);
        const std::vector<std::string> plugins = PluginFiles();
        if (image_.bgra.empty() || preset < 0 || plugins.empty()) {
            status_ = "Open a picture and choose a preset first.";
        } else {
            const PluginLibrary plugin(plugins.front());
            status_ = plugin.Apply(image_, presets_[preset].parameters, error)
                          ? "Applied " + presets_[preset].name
                          : error;
        }
    } else if (id == kSave && !image_.bgra.empty()) {
        const std::string path = AskForFile(true, error);
        if (!path.empty() && WriteBitmap(path, image_, error)) {
            picture_ = path;
            status_ = "Saved " + path;
        } else if (!error.empty()) {
            status_ = error;
        }
    }
    ShowTitle();
    InvalidateRect(window_, nullptr, TRUE);
}

void ShellWindow::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    const HGDIOBJ previous =
        font_ && font_->Handle() != nullptr ? SelectObject(dc, font_->Handle()) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    const int left = Scale(kMargin) + columnWidth_ + Scale(kPictureGap);
    const int top = Scale(kMargin);
    RECT client{};
    GetClientRect(window_, &client);
    // A long path gives up its middle and keeps its file name; nothing goes past the margin.
    RECT status{left, top, std::max(left, static_cast<int>(client.right) - Scale(kMargin)),
                top + textHeight_};
    DrawTextA(dc, status_.c_str(), static_cast<int>(status_.size()), &status,
              DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    if (!image_.bgra.empty()) {
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof info.bmiHeader, image_.width, -image_.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        // The picture pixel for pixel, or smaller where the window is.
        const int pictureTop = top + textHeight_ + Scale(kStatusGap);
        const double scale = std::min(
            1.0, std::min(static_cast<double>(client.right - left - Scale(kMargin)) / image_.width,
                          static_cast<double>(client.bottom - pictureTop - Scale(kMargin)) /
                              image_.height));
        if (scale > 0) {
            StretchDIBits(dc, left, pictureTop, static_cast<int>(image_.width * scale),
                          static_cast<int>(image_.height * scale), 0, 0, image_.width,
                          image_.height, image_.bgra.data(), &info, DIB_RGB_COLORS, SRCCOPY);
        }
    }
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    EndPaint(window_, &paint);
}
