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

#include "payloads/uninstaller/file_records.h"
#include "payloads/uninstaller/removal.h"
#include "payloads/uninstaller/self_deletion.h"
#include "resources/install_contract.h"
#include "support/command_line.h"
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

// Every recorded file; the host folders whose plug-in went, for the empty-folder pass.
std::vector<std::string> RemoveRecordedFiles(Outcome& outcome) {
    std::vector<std::string> hostFolders;
    const std::string shellCopy =
        std::string(contract::kFileLocationPrefix) + contract::kShellLocationKey;
    for (const FileRecord& record : ReadFileRecords()) {
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

int Uninstall() {
    using namespace contract;
    if (MessageBoxA(nullptr, "Remove Tarvelle Pigmora Demo and Tarvelle Shell from this computer?",
                    kUninstallerTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return 1;
    }
    const std::string location = InstallLocation();
    Outcome outcome;
    const std::vector<std::string> hostFolders = RemoveRecordedFiles(outcome);
    outcome.Remove(ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + kShortcutFile);
    outcome.Remove(ShellFolder(CSIDL_COMMON_STARTMENU) + kStartMenuProgramsFolder + kShortcutFile);
    if (!location.empty()) {
        outcome.Remove(location + kPresetsFolder + kPresetsFile);
        RemoveFolderIfEmpty(location + kPresetsFolder);
        RemoveFolderIfEmpty(location + kShellPluginFolder);
    }
    for (const std::string& folder : hostFolders) {
        if (EndsWithNoCase(folder, kHostPluginSubfolder)) {
            RemoveFolderIfEmpty(folder);
        }
    }
    if (outcome.left.empty()) {
        DeleteProductKeys();
    }
    MessageBoxA(nullptr, ResultMessage(outcome).c_str(), kUninstallerTitle,
                MB_OK | MB_ICONINFORMATION);
    if (outcome.left.empty() && !location.empty()) {
        HandOverSelfDeletion(location);
    }
    return outcome.left.empty() ? 0 : 2;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::vector<std::string> arguments = CommandLineArguments();
    if (arguments.size() == 4 && arguments[1] == "/finish") {
        return FinishSelfDeletion(std::strtoul(arguments[2].c_str(), nullptr, 10), arguments[3]);
    }
    return Uninstall();
}
