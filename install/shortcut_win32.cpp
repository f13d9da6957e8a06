// install/shortcut_win32.cpp
#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "install/shortcut.h"
#include "support/com_pointer.h"
#include "support/com_scope.h"
#include "support/wide_text.h"

bool CreateShortcut(const Text& linkPath, const Text& description, const Text& target) {
    // Through the wide calls: in UTF-8 a path of MAX_PATH characters takes up to three times as
    // many bytes.
    const std::wstring wideTarget = WideFromText(target);
    const std::wstring widePath = WideFromText(linkPath);
    if (wideTarget.empty() || widePath.empty()) {
        return false;
    }
    wchar_t absolute[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(wideTarget.c_str(), MAX_PATH, absolute, nullptr);
    // 0 is a failure; a length of the buffer or more means the path did not fit.
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }

    const ComScope com;
    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.OutVoid())) ||
        link.Get() == nullptr || FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid())) ||
        file.Get() == nullptr || FAILED(link->SetPath(absolute)) ||
        FAILED(link->SetDescription(WideFromText(description).c_str()))) {
        return false;
    }
    return SUCCEEDED(file->Save(widePath.c_str(), TRUE));
}
