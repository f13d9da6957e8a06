// payloads/shell/tarvelle_shell.cpp
// Tarvelle Shell: a small image editor that hosts the plug-ins in its plugins\ folder.
//   TarvelleShell.exe                                  the window
//   TarvelleShell.exe /apply "preset name" in.bmp out.bmp   (in may be a PNG or JPEG too)
#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "payloads/plugin/presets.h"
#include "payloads/shell/bitmap_file.h"
#include "payloads/shell/picture_file.h"

namespace {

using ApplyFunction = int32_t (*)(uint8_t*, int32_t, int32_t, int32_t, const PigmoraParameters*);

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::vector<std::string> PluginFiles() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA((OwnFolder() + "plugins\\*.tvplg").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            names.emplace_back(entry.cFileName);
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    return names;
}

bool LoadPresets(std::vector<Preset>& presets, std::string& error) {
    const std::string path = OwnFolder() + "presets\\PigmoraPresets.ini";
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    return ParsePresets(text, presets, error);
}

// One plug-in library, loaded from the plugins\ folder and freed when the object goes.
class Plugin {
public:
    explicit Plugin(const std::string& file)
        : module_(LoadLibraryA((OwnFolder() + "plugins\\" + file).c_str())) {
        if (module_ != nullptr) {
            apply_ = reinterpret_cast<ApplyFunction>(
                reinterpret_cast<void*>(GetProcAddress(module_, "PigmoraApply")));
        }
    }
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;
    ~Plugin() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    bool Apply(Image& image, const PigmoraParameters& parameters, std::string& error) const {
        if (apply_ == nullptr) {
            error = "the plug-in could not be loaded";
            return false;
        }
        if (apply_(image.bgra.data(), image.width, image.height, image.width * 4, &parameters) !=
            0) {
            error = "the plug-in refused the image or the preset";
            return false;
        }
        return true;
    }

private:
    HMODULE module_;
    ApplyFunction apply_ = nullptr;
};

void Complain(const std::string& message) {
    const std::string line = "TarvelleShell: " + message + "\n";
    DWORD written = 0;
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error != nullptr && error != INVALID_HANDLE_VALUE) {
        WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

int ApplyFromCommandLine(const std::string& presetName, const std::string& input,
                         const std::string& output) {
    std::vector<Preset> presets;
    std::string error;
    if (!LoadPresets(presets, error)) {
        Complain(error);
        return 2;
    }
    const Preset* chosen = nullptr;
    for (const Preset& preset : presets) {
        if (preset.name == presetName) {
            chosen = &preset;
        }
    }
    if (chosen == nullptr) {
        Complain("no preset named '" + presetName + "'");
        return 2;
    }
    const std::vector<std::string> plugins = PluginFiles();
    if (plugins.empty()) {
        Complain("no plug-in in " + OwnFolder() + "plugins\\");
        return 3;
    }
    Image image;
    const Plugin plugin(plugins.front());
    if (!ReadPicture(input, image, error) || !plugin.Apply(image, chosen->parameters, error) ||
        !WriteBitmap(output, image, error)) {
        Complain(error);
        return 4;
    }
    return 0;
}

// The window: plug-ins and presets on the left, the picture on the right.
enum ControlId { kPluginList = 101, kPresetList, kOpen, kApply, kSave };

struct ShellWindow {
    std::vector<Preset> presets;
    Image image;
    HWND window = nullptr;
    std::string status = "Open a BMP picture to begin.";
};

ShellWindow shell;

std::string AskForFile(bool save) {
    char path[MAX_PATH] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = shell.window;
    dialog.lpstrFilter = save ? "Bitmap pictures (*.bmp)\0*.bmp\0"
                              : "Pictures (*.bmp;*.png;*.jpg)\0*.bmp;*.png;*.jpg;*.jpeg\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = "bmp";
    dialog.Flags = save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(path) : std::string();
}

void OnCommand(int id) {
    std::string error;
    if (id == kOpen) {
        const std::string path = AskForFile(false);
        if (!path.empty()) {
            shell.status = ReadPicture(path, shell.image, error) ? path : error;
        }
    } else if (id == kApply) {
        const LRESULT preset = SendDlgItemMessageA(shell.window, kPresetList, LB_GETCURSEL, 0, 0);
        const std::vector<std::string> plugins = PluginFiles();
        if (shell.image.bgra.empty() || preset < 0 || plugins.empty()) {
            shell.status = "Open a picture and choose a preset first.";
        } else {
            const Plugin plugin(plugins.front());
            shell.status = plugin.Apply(shell.image, shell.presets[preset].parameters, error)
                               ? "Applied " + shell.presets[preset].name
                               : error;
        }
    } else if (id == kSave && !shell.image.bgra.empty()) {
        const std::string path = AskForFile(true);
        if (!path.empty()) {
            shell.status = WriteBitmap(path, shell.image, error) ? "Saved " + path : error;
        }
    }
    InvalidateRect(shell.window, nullptr, TRUE);
}

void Paint(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    TextOutA(dc, 250, 8, shell.status.c_str(), static_cast<int>(shell.status.size()));
    if (!shell.image.bgra.empty()) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = shell.image.width;
        info.bmiHeader.biHeight = -shell.image.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        RECT client{};
        GetClientRect(window, &client);
        const double scale = std::min(1.0, std::min((client.right - 260.0) / shell.image.width,
                                                    (client.bottom - 40.0) / shell.image.height));
        StretchDIBits(dc, 250, 32, static_cast<int>(shell.image.width * scale),
                      static_cast<int>(shell.image.height * scale), 0, 0, shell.image.width,
                      shell.image.height, shell.image.bgra.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
    EndPaint(window, &paint);
}

HWND Child(const char* type, const char* text, DWORD style, int x, int y, int width, int height,
           int id) {
    return CreateWindowExA(0, type, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           shell.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            shell.window = window;
            Child("STATIC", "Plug-ins:", 0, 8, 8, 230, 16, 0);
            HWND plugins =
                Child("LISTBOX", "", WS_BORDER | WS_VSCROLL, 8, 26, 230, 60, kPluginList);
            for (const std::string& name : PluginFiles()) {
                SendMessageA(plugins, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
            }
            Child("STATIC", "Presets:", 0, 8, 92, 230, 16, 0);
            HWND presets = Child("LISTBOX", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 8, 110, 230,
                                 250, kPresetList);
            std::string error;
            if (LoadPresets(shell.presets, error)) {
                for (const Preset& preset : shell.presets) {
                    SendMessageA(presets, LB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(preset.name.c_str()));
                }
            } else {
                shell.status = error;
            }
            Child("BUTTON", "&Open...", BS_PUSHBUTTON, 8, 370, 72, 24, kOpen);
            Child("BUTTON", "&Apply", BS_PUSHBUTTON, 87, 370, 72, 24, kApply);
            Child("BUTTON", "&Save As...", BS_PUSHBUTTON, 166, 370, 72, 24, kSave);
            return 0;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        char text[4096] = {};
        WideCharToMultiByte(CP_ACP, 0, wide[i], -1, text, sizeof text - 1, nullptr, nullptr);
        arguments.emplace_back(text);
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const std::vector<std::string> arguments = Arguments();
    if (arguments.size() >= 2 && arguments[1] == "/apply") {
        if (arguments.size() != 5) {
            Complain("usage: TarvelleShell.exe /apply \"preset name\" in.bmp out.bmp");
            return 1;
        }
        return ApplyFromCommandLine(arguments[2], arguments[3], arguments[4]);
    }
    // A picture named on the command line (a double-clicked file) opens at once.
    if (arguments.size() == 2) {
        std::string error;
        shell.status = ReadPicture(arguments[1], shell.image, error) ? arguments[1] : error;
    }
    WNDCLASSA type{};
    type.lpfnWndProc = &WindowProc;
    type.hInstance = instance;
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = "TarvelleShell";
    RegisterClassA(&type);
    HWND window =
        CreateWindowExA(0, "TarvelleShell", "Tarvelle Shell", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 760, 440, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
