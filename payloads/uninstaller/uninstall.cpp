// payloads/uninstaller/uninstall.cpp
// Removes what the installer wrote: every file named by a "filelocation.*" record, the presets,
// both shortcuts, the folders the installer made once they are empty, the records and the
// uninstall entry. A file that cannot be removed (a running host holds it) keeps its record, and
// the uninstaller stays, so that a second run can finish the job.
#include <windows.h>

#include <shlobj.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "discovery/host_folder_rule.h"
#include "payloads/uninstaller/file_records.h"
#include "payloads/uninstaller/removal.h"
#include "payloads/uninstaller/removal_check.h"
#include "payloads/uninstaller/self_deletion.h"
#include "resources/install_contract.h"
#include "support/command_line.h"
#include "support/library_search.h"
#include "support/paths.h"

namespace {

// What one run removed and what it had to leave.
struct Outcome {
    std::vector<std::string> removed;
    std::vector<std::string> left;

    void Remove(const std::string& path) {
        (RemoveFileIfPresent(path) ? removed : left).push_back(path);
    }
};

bool EndsWithNoCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           _stricmp(text.c_str() + text.size() - end.size(), end.c_str()) == 0;
}

// The program that may hold a recorded file: the host its record names, or the shell.
std::string ProgramToClose(const FileRecord* record) {
    using namespace contract;
    const std::string key = record != nullptr
                                ? record->name.substr(std::string(kFileLocationPrefix).size())
                                : kShellLocationKey;
    if (key == kShellLocationKey) {
        return "Tarvelle Shell";
    }
    const Text host = KnownHostName(Text(key));
    return host.IsEmpty() ? "the image editor that uses it" : host.Bytes();
}

// Everything this run will remove, the recorded files first.
struct Removal {
    std::vector<FileRecord> records;
    std::vector<std::string> others;  // shortcuts and presets
    std::string location;

    std::vector<std::string> Files() const {
        std::vector<std::string> files;
        for (const FileRecord& record : records) {
            files.push_back(record.path);
        }
        files.insert(files.end(), others.begin(), others.end());
        return files;
    }
    const FileRecord* RecordOf(const std::string& path) const {
        for (const FileRecord& record : records) {
            if (record.path == path) {
                return &record;
            }
        }
        return nullptr;
    }
};

Removal PlanRemoval() {
    using namespace contract;
    Removal removal;
    removal.records = ReadFileRecords();
    removal.location = InstallLocation();
    removal.others.push_back(ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + kShortcutFile);
    removal.others.push_back(ShellFolder(CSIDL_COMMON_STARTMENU) + kStartMenuProgramsFolder +
                             kShortcutFile);
    if (!removal.location.empty()) {
        removal.others.push_back(removal.location + kPresetsFolder + kPresetsFile);
    }
    return removal;
}

// Every recorded file, each record dropped once its file is gone; the host folders whose
// plug-in went, for the empty-folder pass.
std::vector<std::string> RemoveRecordedFiles(const Removal& removal, Outcome& outcome) {
    std::vector<std::string> hostFolders;
    const std::string shellCopy =
        std::string(contract::kFileLocationPrefix) + contract::kShellLocationKey;
    for (const FileRecord& record : removal.records) {
        if (!RemoveFileIfPresent(record.path)) {
            outcome.left.push_back(record.path);
            continue;
        }
        outcome.removed.push_back(record.path);
        DeleteFileRecord(record);
        if (record.component == contract::kPluginComponent && record.name != shellCopy) {
            hostFolders.push_back(FolderOf(record.path));
        }
    }
    return hostFolders;
}

const char kNothingRemoved[] = "Nothing has been removed.";

std::string ObstacleMessage(const Removal& removal, const RemovalObstacles& obstacles) {
    if (obstacles.needsAdministrator) {
        return std::string(
                   "Tarvelle Pigmora Demo and Tarvelle Shell can only be removed with "
                   "administrator rights. Run the uninstaller again as an administrator.\n\n") +
               kNothingRemoved;
    }
    std::string message = "These files are in use:\n\n";
    for (const std::string& path : obstacles.inUse) {
        message += "    " + path + " (close " + ProgramToClose(removal.RecordOf(path)) + ")\n";
    }
    return message + "\nClose these programs and run the uninstaller again. " + kNothingRemoved;
}

std::string ResultMessage(const Outcome& outcome) {
    if (outcome.left.empty()) {
        return "Tarvelle Pigmora Demo and Tarvelle Shell have been removed.";
    }
    std::string message =
        "These files could not be removed. Close the programs that use them and run the "
        "uninstaller again:\n\n";
    for (const std::string& path : outcome.left) {
        message += "    " + path + "\n";
    }
    return message;
}

void Tell(const std::string& message, UINT icon) {
    MessageBoxA(nullptr, message.c_str(), contract::kUninstallerTitle, MB_OK | icon);
}

int Uninstall() {
    using namespace contract;
    if (MessageBoxA(nullptr, "Remove Tarvelle Pigmora Demo and Tarvelle Shell from this computer?",
                    kUninstallerTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return 1;
    }
    const Removal removal = PlanRemoval();
    // The records live in the installing user's own registry; the files are everyone's.
    if (removal.records.empty()) {
        Tell(std::string("Tarvelle Pigmora Demo and Tarvelle Shell were installed by another user "
                         "account. Sign in as that user and run the uninstaller again.\n\n") +
                 kNothingRemoved,
             MB_ICONEXCLAMATION);
        return 3;
    }
    const RemovalObstacles obstacles = FindRemovalObstacles(removal.Files());
    if (obstacles.Any()) {
        Tell(ObstacleMessage(removal, obstacles), MB_ICONEXCLAMATION);
        return obstacles.needsAdministrator ? 4 : 2;
    }
    Outcome outcome;
    const std::vector<std::string> hostFolders = RemoveRecordedFiles(removal, outcome);
    for (const std::string& other : removal.others) {
        outcome.Remove(other);
    }
    if (!removal.location.empty()) {
        RemoveFolderIfEmpty(removal.location + kPresetsFolder);
        RemoveFolderIfEmpty(removal.location + kShellPluginFolder);
    }
    for (const std::string& folder : hostFolders) {
        if (EndsWithNoCase(folder, kHostPluginSubfolder)) {
            RemoveFolderIfEmpty(folder);
        }
    }
    if (outcome.left.empty()) {
        DeleteProductKeys();
    }
    Tell(ResultMessage(outcome), MB_ICONINFORMATION);
    if (outcome.left.empty() && !removal.location.empty()) {
        HandOverSelfDeletion(removal.location);
    }
    return outcome.left.empty() ? 0 : 2;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Elevated, and its hand-over copy starts outside the install folder.
    LoadLibrariesOnlyFromSystem32();
    const std::vector<std::string> arguments = CommandLineArguments();
    if (arguments.size() == 4 && arguments[1] == "/finish") {
        return FinishSelfDeletion(std::strtoul(arguments[2].c_str(), nullptr, 10), arguments[3]);
    }
    return Uninstall();
}
