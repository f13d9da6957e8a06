// payloads/shell/tarvelle_shell.cpp
// Tarvelle Shell: a window that says what it is and lists the plug-ins in its plugins\ folder.
#include <windows.h>

#include <string>

namespace {

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string PluginList() {
    std::string list = "Tarvelle Shell 1.0\r\n\r\nPlug-ins in " + OwnFolder() + "plugins\\:\r\n";
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA((OwnFolder() + "plugins\\*.tvplg").c_str(), &entry);
    int count = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            list += "    " + std::string(entry.cFileName) + "\r\n";
            ++count;
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    if (count == 0) {
        list += "    (none)\r\n";
    }
    return list;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        CreateWindowExA(0, "EDIT", PluginList().c_str(),
                        WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL, 10, 10,
                        460, 240, window, nullptr, GetModuleHandleA(nullptr), nullptr);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA type{};
    type.lpfnWndProc = &WindowProc;
    type.hInstance = instance;
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = "TarvelleShell";
    RegisterClassA(&type);
    HWND window =
        CreateWindowExA(0, "TarvelleShell", "Tarvelle Shell", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 500, 300, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
