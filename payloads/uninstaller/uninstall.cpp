// payloads/uninstaller/uninstall.cpp
// Removes what the installer wrote: every file named by a "filelocation.*" record, the presets,
// both shortcuts, the folders the installer made once they are empty, the records and the
// uninstall entry. A file that cannot be removed (a running host holds it) keeps its record, and
// the uninstaller stays, so that a second run can finish the job.
//
// A running program cannot delete itself: when everything else is gone, a copy of the
// uninstaller in the temporary folder is started with "/finish PID FOLDER"; it waits for this
// process to end, deletes uninstall.exe and the empty install folder, and asks Windows to delete
// the copy itself at the next restart.
#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char kTitle[] = "Tarvelle Uninstall Manager";
const char kFilesKey[] = "Software\\Tarvelle\\files\\";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvelle";

struct Record {
    std::string component;
    std::string name;
    std::string path;
};

std::vector<Record> ReadRecords() {
    std::vector<Record> records;
    for (const char* component : {"pigmorademo", "tarvelleshell"}) {
        HKEY key = nullptr;
        if (RegOpenKeyA(HKEY_CURRENT_USER, (std::string(kFilesKey) + component).c_str(), &key) !=
            ERROR_SUCCESS) {
            continue;
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
            if (type == REG_SZ && std::string(name).rfind("filelocation.", 0) == 0) {
                records.push_back({component, name, data});
            }
        }
        RegCloseKey(key);
    }
    return records;
}

std::string InstallLocation() {
    char data[MAX_PATH] = {};
    DWORD size = sizeof data;
    if (SHGetValueA(HKEY_CURRENT_USER, kUninstallKey, "InstallLocation", nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return std::string();
    }
    return data;
}

std::string Folder(int id) {
    char path[MAX_PATH] = {};
    return SHGetSpecialFolderPathA(nullptr, path, id, FALSE) ? std::string(path) + "\\" : "";
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Missing already counts as removed.
bool Remove(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    return DeleteFileA(path.c_str()) != FALSE;
}

// Only an empty folder goes: never one that still holds something it did not install.
void RemoveIfEmpty(const std::string& folder) {
    if (!folder.empty()) {
        RemoveDirectoryA(folder.c_str());
    }
}

void DeleteValue(const Record& record) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, (kFilesKey + record.component).c_str(), &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(key, record.name.c_str());
        RegCloseKey(key);
    }
}

std::string OwnPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// Starts the copy that deletes this executable once this process has ended.
void HandOverSelfDeletion(const std::string& installFolder) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string copy =
        std::string(temp) + "tarvelle-uninstall-" + std::to_string(GetCurrentProcessId()) + ".exe";
    if (!CopyFileA(OwnPath().c_str(), copy.c_str(), FALSE)) {
        MoveFileExA(OwnPath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return;
    }
    // Without its final "\": before a closing quote it would escape the quote.
    const std::string folder = installFolder.substr(0, installFolder.find_last_not_of('\\') + 1);
    std::string commandLine =
        "\"" + copy + "\" /finish " + std::to_string(GetCurrentProcessId()) + " \"" + folder + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, temp,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

int Finish(DWORD processId, const std::string& folder) {
    const std::string installFolder = folder + "\\";
    HANDLE original = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (original != nullptr) {
        WaitForSingleObject(original, 30000);
        CloseHandle(original);
    }
    for (int attempt = 0; attempt < 50 && !Remove(installFolder + "uninstall.exe"); ++attempt) {
        Sleep(100);
    }
    RemoveIfEmpty(installFolder);
    MoveFileExA(OwnPath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return 0;
}

int Uninstall() {
    if (MessageBoxA(nullptr, "Remove Tarvelle Pigmora Demo and Tarvelle Shell from this computer?",
                    kTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return 1;
    }
    const std::string location = InstallLocation();
    std::vector<std::string> removed;
    std::vector<std::string> left;
    std::vector<std::string> hostFolders;
    for (const Record& record : ReadRecords()) {
        if (Remove(record.path)) {
            removed.push_back(record.path);
            DeleteValue(record);
            if (record.component == "pigmorademo" && record.name != "filelocation.tarvelleshell") {
                hostFolders.push_back(FolderOf(record.path));
            }
        } else {
            left.push_back(record.path);
        }
    }
    for (const std::string& link :
         {Folder(CSIDL_COMMON_DESKTOPDIRECTORY) + "Tarvelle Shell.lnk",
          Folder(CSIDL_COMMON_STARTMENU) + "Programs\\Tarvelle Shell.lnk"}) {
        (Remove(link) ? removed : left).push_back(link);
    }
    if (!location.empty()) {
        const std::string presets = location + "presets\\PigmoraPresets.ini";
        (Remove(presets) ? removed : left).push_back(presets);
        RemoveIfEmpty(location + "presets\\");
        RemoveIfEmpty(location + "plugins\\");
    }
    for (const std::string& folder : hostFolders) {
        // The installer's own "tvl\" folder inside a host's plug-in folder.
        if (folder.size() >= 4 && _stricmp(folder.c_str() + folder.size() - 4, "tvl\\") == 0) {
            RemoveIfEmpty(folder);
        }
    }

    std::string message;
    if (left.empty()) {
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tarvelle");
        SHDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
        message = "Tarvelle Pigmora Demo and Tarvelle Shell have been removed.";
    } else {
        message =
            "These files could not be removed. Close the programs that use them and run "
            "the uninstaller again:\n\n";
        for (const std::string& path : left) {
            message += "    " + path + "\n";
        }
    }
    MessageBoxA(nullptr, message.c_str(), kTitle, MB_OK | MB_ICONINFORMATION);
    if (left.empty() && !location.empty()) {
        HandOverSelfDeletion(location);
    }
    return left.empty() ? 0 : 2;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        char text[MAX_PATH * 2] = {};
        WideCharToMultiByte(CP_ACP, 0, wide[i], -1, text, sizeof text - 1, nullptr, nullptr);
        arguments.emplace_back(text);
    }
    LocalFree(wide);
    if (arguments.size() == 4 && arguments[1] == "/finish") {
        return Finish(static_cast<DWORD>(std::strtoul(arguments[2].c_str(), nullptr, 10)),
                      arguments[3]);
    }
    return Uninstall();
}
