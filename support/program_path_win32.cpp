// support/program_path_win32.cpp
#include <windows.h>

#include <string>

#include "support/program_path.h"
#include "support/wide_text.h"

Text ThisProgramPath() {
    // Asked for with room for the longest path Windows allows, so that it is never cut.
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    Text bytes;
    return TextFromWide(path, bytes) ? bytes : Text();
}
