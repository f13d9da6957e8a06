// payloads/uninstaller/self_deletion_win32.cpp
#define _CRT_RAND_S
#include "payloads/uninstaller/self_deletion.h"

#include <windows.h>

#include <sddl.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "resources/install_contract.h"
#include "resources/install_layout.h"
#include "support/format_text.h"
#include "support/held_folder.h"
#include "support/owned_handle.h"
#include "support/paths.h"
#include "support/program_path.h"
#include "support/wide_text.h"

namespace {

// Full control for SYSTEM and the Administrators, passed on to what is made inside, and nothing
// taken over from the parent folder: every user may create files and folders there.
const char kAdministratorsOnly[] = "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";

// A security descriptor made from its text form, freed when the object goes.
class SecurityDescriptor {
public:
    explicit SecurityDescriptor(const char* text) {
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(text, SDDL_REVISION_1,
                                                                  &descriptor_, nullptr)) {
            descriptor_ = nullptr;
        }
    }
    SecurityDescriptor(const SecurityDescriptor&) = delete;
    SecurityDescriptor& operator=(const SecurityDescriptor&) = delete;
    ~SecurityDescriptor() { LocalFree(descriptor_); }
    PSECURITY_DESCRIPTOR Get() const { return descriptor_; }

private:
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
};

// The whole content of an open file.
std::string ContentOf(HANDLE file) {
    std::string content;
    char buffer[65536];
    DWORD read = 0;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    return content;
}

// The Windows folder's Temp, with its final "\"; the shared Windows folder even where a program
// that is not terminal-server aware gets a private one from GetWindowsDirectory.
std::string WindowsTempFolder() {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    Text found;
    if (length == 0 || length >= MAX_PATH || !TextFromWide({windows, length}, found)) {
        return std::string();
    }
    return WithTrailingSeparator(found.Bytes()) + "Temp\\";
}

// A new folder below the Windows temporary folder that only administrators may change, with its
// final "\"; empty when none could be made. The user's own temporary folder will not do: the
// user, unelevated, may put DLLs beside our copy there or swap the copy before it starts. In
// the Windows one every user may create folders too, so the name is unpredictable and a name
// that exists already, whoever made it, is never used.
std::string CreateAdministratorsFolder() {
    const std::string parent = WindowsTempFolder();
    const SecurityDescriptor descriptor(kAdministratorsOnly);
    if (parent.empty() || descriptor.Get() == nullptr) {
        return std::string();
    }
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.Get(), FALSE};
    for (int attempt = 0; attempt < 20; ++attempt) {
        unsigned int high = 0;
        unsigned int low = 0;
        if (rand_s(&high) != 0 || rand_s(&low) != 0) {
            return std::string();
        }
        const std::string folder = parent + FormatText("tarvelle-uninstall-%08x%08x", high, low);
        if (CreateDirectoryA(folder.c_str(), &attributes)) {
            return folder + "\\";
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return std::string();
        }
    }
    return std::string();
}

// The handles the copy inherits: this process, the installed uninstaller and the install folder.
struct HandedOver {
    OwnedHandle process;
    OwnedHandle uninstaller;
    OwnedHandle folder;
};

bool Inheritable(const OwnedHandle& handle) {
    return handle.IsOpen() &&
           SetHandleInformation(handle.Get(), HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT) != FALSE;
}

// Opened through the folders held from the drive's root: no link on the way is followed.
bool OpenHandedOver(const std::string& installFolder, HandedOver& handed) {
    {
        HeldFolder install;
        if (!install.Open(Text(installFolder), false)) {
            return false;
        }
        handed.uninstaller = install.OpenFile(Text(contract::kUninstallerFile), DELETE);
    }
    // Once the held chain, which does not share deletion, has let the folder go.
    const std::string folder = installFolder.substr(0, installFolder.find_last_not_of('\\') + 1);
    const std::string parent = FolderOf(folder);
    HeldFolder held;
    if (parent.empty() || !held.Open(Text(parent), false)) {
        return false;
    }
    handed.folder = held.OpenFolder(Text(folder.substr(parent.size())), DELETE | SYNCHRONIZE);
    HANDLE process = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &process,
                        SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, 0)) {
        handed.process = OwnedHandle(process);
    }
    return Inheritable(handed.process) && Inheritable(handed.uninstaller) &&
           Inheritable(handed.folder);
}

std::string HandleNumber(const OwnedHandle& handle) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(handle.Get()));
}

// Copies this program to copy and starts it with "/finish" and the handles; false when the copy
// is not this program or did not start.
bool StartCopy(const std::string& own, const std::string& copy, const std::string& folder,
               const std::string& installFolder) {
    HandedOver handed;
    if (!OpenHandedOver(installFolder, handed) || !CopyFileA(own.c_str(), copy.c_str(), TRUE)) {
        return false;
    }
    // Until the copy has started nobody may change it, and it must still be this program.
    const OwnedHandle held(CreateFileA(copy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const OwnedHandle original(CreateFileA(own.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!held.IsOpen() || !original.IsOpen() ||
        ContentOf(held.Get()) != ContentOf(original.Get())) {
        return false;
    }
    std::string commandLine = "\"" + copy + "\" /finish " + std::to_string(GetCurrentProcessId()) +
                              " " + HandleNumber(handed.process) + " " +
                              HandleNumber(handed.uninstaller) + " " + HandleNumber(handed.folder);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Only the three handles above were made inheritable.
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        return false;
    }
    const OwnedHandle thread(info.hThread);
    const OwnedHandle process(info.hProcess);
    return true;
}

// A handle number of the command line, as this process holds it; none for anything but a whole
// decimal number.
void* HandleAt(const std::string& number) {
    std::uintptr_t value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    return error == std::errc() && stop == end ? reinterpret_cast<void*>(value) : nullptr;
}

// Whether process, a handle this program inherited, names another process that runs the
// installed uninstaller: only that uninstaller, elevated, hands an elevated program such a
// handle.
bool IsTheInstalledUninstaller(void* process, unsigned long processId) {
    if (process == nullptr || processId == 0 || processId == GetCurrentProcessId() ||
        GetProcessId(process) != processId) {
        return false;
    }
    std::wstring image(32768, L'\0');
    DWORD length = static_cast<DWORD>(image.size());
    Text path;
    if (!QueryFullProcessImageNameW(process, 0, image.data(), &length) ||
        !TextFromWide(std::wstring_view(image.data(), length), path)) {
        return false;
    }
    return IsInstalledUninstaller(path.Bytes());
}

bool IsFolder(void* handle, bool folder) {
    FileAttributes attributes;
    return file_handle::ReadAttributes(handle, attributes) &&
           attributes.Has(FileAttribute::Directory) == folder;
}

}  // namespace

void HandOverSelfDeletion(const std::string& installFolder) {
    const std::string own = ThisProgramPath().Bytes();
    const auto giveUp = [&own] { MoveFileExA(own.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT); };
    const std::string folder = CreateAdministratorsFolder();
    if (own.empty() || folder.empty()) {
        giveUp();
        return;
    }
    const std::string copy = folder + contract::kUninstallerFile;
    if (!StartCopy(own, copy, folder, installFolder)) {
        DeleteFileA(copy.c_str());
        RemoveDirectoryA(folder.c_str());
        giveUp();
    }
}

int FinishSelfDeletion(const std::vector<std::string>& arguments) {
    if (arguments.size() != 4) {
        return 1;
    }
    const unsigned long processId = std::strtoul(arguments[0].c_str(), nullptr, 10);
    // Taken over at once, so that none of them is used as anything but what it claims to be.
    const OwnedHandle process(HandleAt(arguments[1]));
    OwnedHandle uninstaller(HandleAt(arguments[2]));
    const OwnedHandle folder(HandleAt(arguments[3]));
    // Whoever starts uninstall.exe chooses its command line (the user's uninstall entry can say
    // "/finish"): the numbers must be the inherited handles, or nothing is done.
    if (!IsTheInstalledUninstaller(process.Get(), processId) ||
        !IsFolder(uninstaller.Get(), false) || !IsFolder(folder.Get(), true) ||
        WaitForSingleObject(process.Get(), 30000) != WAIT_OBJECT_0) {
        return 1;
    }
    // The image may stay mapped for a moment after its process has ended.
    bool removed = false;
    for (int attempt = 0; attempt < 50 && !removed; ++attempt) {
        removed = file_handle::MarkForDeletion(uninstaller.Get(), true);
        if (!removed) {
            Sleep(100);
        }
    }
    uninstaller.Close();
    // Refused while anything is left in it.
    file_handle::MarkForDeletion(folder.Get(), true);
    // A running program cannot delete itself either: the copy goes at the next restart, and then
    // its folder, which Windows removes only once it is empty.
    const std::string own = ThisProgramPath().Bytes();
    const std::size_t separator = own.find_last_of('\\');
    if (separator != std::string::npos) {
        MoveFileExA(own.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        MoveFileExA(own.substr(0, separator).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
    return removed ? 0 : 1;
}
