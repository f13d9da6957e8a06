// payloads/uninstaller/self_deletion_win32.cpp
#define _CRT_RAND_S
#include "payloads/uninstaller/self_deletion.h"

#include <windows.h>

#include <sddl.h>

#include <cstdlib>

#include "payloads/uninstaller/removal.h"
#include "resources/install_contract.h"
#include "support/owned_handle.h"
#include "support/program_path.h"
#include "support/special_folder.h"
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

std::string OwnPath() {
    return ThisProgramPath().Bytes();
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
    std::string folder = found.Bytes();
    if (folder.back() != '\\') {
        folder += '\\';
    }
    return folder + "Temp\\";
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
        std::string folder = parent + "tarvelle-uninstall-";
        for (int part = 0; part < 2; ++part) {
            unsigned int random = 0;
            if (rand_s(&random) != 0) {
                return std::string();
            }
            for (int shift = 28; shift >= 0; shift -= 4) {
                folder += "0123456789abcdef"[(random >> shift) & 0xF];
            }
        }
        if (CreateDirectoryA(folder.c_str(), &attributes)) {
            return folder + "\\";
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return std::string();
        }
    }
    return std::string();
}

// Copies this program to copy and starts it with "/finish"; false when the copy is not this
// program or did not start.
bool StartCopy(const std::string& own, const std::string& copy, const std::string& folder,
               const std::string& installFolder) {
    if (!CopyFileA(own.c_str(), copy.c_str(), TRUE)) {
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
    // Without its final "\": before a closing quote it would escape the quote.
    const std::string target = installFolder.substr(0, installFolder.find_last_not_of('\\') + 1);
    std::string commandLine =
        "\"" + copy + "\" /finish " + std::to_string(GetCurrentProcessId()) + " \"" + target + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        return false;
    }
    const OwnedHandle thread(info.hThread);
    const OwnedHandle process(info.hProcess);
    return true;
}

// The folder the installer installs into, without its final "\", as the copy is given it.
std::string InstallFolder() {
    const std::string folder = (ProgramFilesFolder() + contract::kInstallFolder).Bytes();
    return folder.substr(0, folder.find_last_not_of('\\') + 1);
}

}  // namespace

void HandOverSelfDeletion(const std::string& installFolder) {
    const std::string own = OwnPath();
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

int FinishSelfDeletion(unsigned long processId, const std::string& folder) {
    // Only the copy finishes, from the folder the original made for it: anyone may start
    // uninstall.exe with "/finish" (the user's uninstall entry can say so), and the installed
    // uninstaller must not then schedule itself away.
    const std::string own = OwnPath();
    const std::string copies = WindowsTempFolder() + "tarvelle-uninstall-";
    const std::size_t separator = own.find_last_of('\\');
    if (copies.size() <= 20 || separator == std::string::npos ||
        _strnicmp(own.c_str(), copies.c_str(), copies.size()) != 0 ||
        own.find('\\', copies.size()) != separator) {
        return 1;
    }
    {
        const OwnedHandle original(OpenProcess(SYNCHRONIZE, FALSE, processId));
        if (original.IsOpen()) {
            WaitForSingleObject(original.Get(), 30000);
        }
    }
    // Whoever starts a copy chooses its command line: only the product's install folder is
    // touched.
    const bool ours = _stricmp(folder.c_str(), InstallFolder().c_str()) == 0;
    if (ours) {
        const std::string uninstaller = folder + "\\" + contract::kUninstallerFile;
        for (int attempt = 0; attempt < 50 && !RemoveFileIfPresent(uninstaller); ++attempt) {
            Sleep(100);
        }
        RemoveFolderIfEmpty(folder + "\\");
    }
    // A running program cannot delete itself either: the copy goes at the next restart, and then
    // its folder, which Windows removes only once it is empty.
    MoveFileExA(own.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    MoveFileExA(own.substr(0, separator).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return ours ? 0 : 1;
}
