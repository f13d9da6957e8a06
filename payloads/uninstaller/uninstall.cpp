// payloads/uninstaller/uninstall.cpp
// The uninstaller, for now: lists what the installer recorded, which is what it will remove.
#include <windows.h>

#include <string>

namespace {

void ListValues(const char* keyPath, std::string& text) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, keyPath, &key) != ERROR_SUCCESS) {
        return;
    }
    for (DWORD index = 0;; ++index) {
        char name[256] = {};
        char data[1024] = {};
        DWORD nameSize = sizeof name;
        DWORD dataSize = sizeof data - 1;
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type,
                          reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS) {
            break;
        }
        if (type == REG_SZ) {
            text += std::string("    ") + data + "\n";
        }
    }
    RegCloseKey(key);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string text = "Tarvelle Uninstall Manager would remove these files:\n\n";
    ListValues("Software\\Tarvelle\\files\\pigmorademo", text);
    ListValues("Software\\Tarvelle\\files\\tarvelleshell", text);
    MessageBoxA(nullptr, text.c_str(), "Tarvelle Uninstall Manager", MB_OK | MB_ICONINFORMATION);
    return 0;
}
