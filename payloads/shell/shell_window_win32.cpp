// payloads/shell/shell_window_win32.cpp
#include "payloads/shell/shell_window.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "payloads/shell/installed_files.h"
#include "payloads/shell/picture_file.h"
#include "payloads/shell/plugin_library.h"

namespace {

enum ControlId { kPluginList = 101, kPresetList, kOpen, kApply, kSave };
const char kClassName[] = "TarvelleShell";

}  // namespace

ShellWindow::ShellWindow(const std::string& picture) {
    if (!picture.empty()) {
        std::string error;
        status_ = ReadPicture(picture, image_, error) ? picture : error;
    }
}

int ShellWindow::Run(int show) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA type{};
    type.lpfnWndProc = &ShellWindow::WindowProc;
    type.hInstance = instance;
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = kClassName;
    RegisterClassA(&type);
    HWND window =
        CreateWindowExA(0, kClassName, "Tarvelle Shell", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 760, 440, nullptr, nullptr, instance, this);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

LRESULT CALLBACK ShellWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* self = static_cast<ShellWindow*>(creation->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ShellWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_CREATE:
            self->Create();
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                self->OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_PAINT:
            self->Paint();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND ShellWindow::Child(const char* type, const char* text, DWORD style, int x, int y, int width,
                        int height, int id) {
    return CreateWindowExA(0, type, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void ShellWindow::Create() {
    Child("STATIC", "Plug-ins:", 0, 8, 8, 230, 16, 0);
    HWND plugins = Child("LISTBOX", "", WS_BORDER | WS_VSCROLL, 8, 26, 230, 60, kPluginList);
    for (const std::string& name : PluginFiles()) {
        SendMessageA(plugins, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    Child("STATIC", "Presets:", 0, 8, 92, 230, 16, 0);
    HWND presets =
        Child("LISTBOX", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 8, 110, 230, 250, kPresetList);
    std::string error;
    if (LoadPresets(presets_, error)) {
        for (const Preset& preset : presets_) {
            SendMessageA(presets, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(preset.name.c_str()));
        }
    } else {
        status_ = error;
    }
    Child("BUTTON", "&Open...", BS_PUSHBUTTON, 8, 370, 72, 24, kOpen);
    Child("BUTTON", "&Apply", BS_PUSHBUTTON, 87, 370, 72, 24, kApply);
    Child("BUTTON", "&Save As...", BS_PUSHBUTTON, 166, 370, 72, 24, kSave);
}

std::string ShellWindow::AskForFile(bool save) const {
    char path[MAX_PATH] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = save ? "Bitmap pictures (*.bmp)\0*.bmp\0"
                              : "Pictures (*.bmp;*.png;*.jpg)\0*.bmp;*.png;*.jpg;*.jpeg\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = "bmp";
    dialog.Flags = save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(path) : std::string();
}

void ShellWindow::OnCommand(int id) {
    std::string error;
    if (id == kOpen) {
        const std::string path = AskForFile(false);
        if (!path.empty()) {
            status_ = ReadPicture(path, image_, error) ? path : error;
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
        const std::string path = AskForFile(true);
        if (!path.empty()) {
            status_ = WriteBitmap(path, image_, error) ? "Saved " + path : error;
        }
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void ShellWindow::Paint() {
    HWND window = window_;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    TextOutA(dc, 250, 8, status_.c_str(), static_cast<int>(status_.size()));
    if (!image_.bgra.empty()) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = image_.width;
        info.bmiHeader.biHeight = -image_.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        RECT client{};
        GetClientRect(window, &client);
        const double scale = std::min(1.0, std::min((client.right - 260.0) / image_.width,
                                                    (client.bottom - 40.0) / image_.height));
        StretchDIBits(dc, 250, 32, static_cast<int>(image_.width * scale),
                      static_cast<int>(image_.height * scale), 0, 0, image_.width, image_.height,
                      image_.bgra.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
    EndPaint(window, &paint);
}
