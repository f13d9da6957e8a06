// pages/message_box.cpp
#include "pages/message_box.h"

#include <windows.h>

#include "support/program_path.h"

std::string ApplicationTitle() {
    std::string name = ThisProgramPath().Bytes();
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

int InstallerMessageBox(const char* text, unsigned type) {
    if ((type & MB_ICONMASK) == 0) {
        type |= MB_ICONEXCLAMATION;
    }
    const std::string title = ApplicationTitle();
    return MessageBoxA(nullptr, text, title.c_str(), type);
}
