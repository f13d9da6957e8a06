// install/shortcut_win32.cpp
#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "install/shortcut.h"

namespace {

// COM for this thread, from construction to destruction.
class ComScope {
public:
    ComScope() { CoInitialize(nullptr); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() { CoUninitialize(); }
};

// Owns one interface pointer and releases it.
template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() {
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }
    void** Out() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

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
                                link.Out())) ||
        link.Get() == nullptr) {
        return false;
    }
    ComPointer<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out())) || file.Get() == nullptr) {
        return false;
    }
    if (FAILED(link->SetPath(absolute)) || FAILED(link->SetDescription(description.CStr()))) {
        return false;
    }
    return SUCCEEDED(file->Save(widePath, TRUE));
}
