// install/shortcut_win32.cpp
#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "install/shortcut.h"
#include "support/com_pointer.h"
#include "support/com_scope.h"

namespace {

constexpr DWORD kPathBuffer = MAX_PATH;

}  // namespace

bool CreateShortcut(const Text& linkPath, const Text& description, const Text& target) {
    char absolute[kPathBuffer] = {};
    const DWORD length = GetFullPathNameA(target.CStr(), kPathBuffer, absolute, nullptr);
    // 0 is a failure; a length of the buffer or more means the path did not fit.
    if (length == 0 || length >= kPathBuffer) {
        return false;
    }
    wchar_t widePath[kPathBuffer] = {};
    if (MultiByteToWideChar(CP_ACP, 0, linkPath.CStr(), -1, widePath, kPathBuffer) == 0) {
        return false;
    }

    const ComScope com;
    ComPointer<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.OutVoid())) ||
        link.Get() == nullptr) {
        return false;
    }
    ComPointer<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid())) || file.Get() == nullptr) {
        return false;
    }
    if (FAILED(link->SetPath(absolute)) || FAILED(link->SetDescription(description.CStr()))) {
        return false;
    }
    return SUCCEEDED(file->Save(widePath, TRUE));
}
