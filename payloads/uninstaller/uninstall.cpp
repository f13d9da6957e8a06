// payloads/uninstaller/uninstall.cpp
// Removes what the installer wrote: the shell, its plug-in copy and the presets in the install
// folder, every other file named by a "filelocation.*" record that the installer can have
// written, both shortcuts, the folders the installer made once they are empty, the records and
// the uninstall entry. Everything is removed or nothing: a file that a running program holds or
// has loaded keeps the whole removal back. A file that still cannot be removed, or that the
// uninstaller will not reach, keeps its record, and the uninstaller stays, so that a second run
// can finish the job.
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "payloads/uninstaller/file_records.h"
#include "payloads/uninstaller/file_removal.h"
#include "payloads/uninstaller/removal.h"
#include "payloads/uninstaller/self_deletion.h"
#include "resources/install_contract.h"
#include "resources/install_layout.h"
#include "support/command_line.h"
#include "support/library_search.h"
#include "support/paths.h"
#include "support/program_path.h"

namespace {

bool Contains(const std::vector<std::string>& paths, const std::string& path) {
    return std::ranges::find(paths, path) != paths.end();
}

// The program that may hold a recorded file: the host its record names, or the shell.
std::string ProgramToClose(const FileRecord* record) {
    const std::string key =
        record != nullptr ? LocationKeyOf(record->name) : std::string(contract::kShellLocationKey);
    if (key == contract::kShellLocationKey) {
        return "Tarvelle Shell";
    }
    const std::string host = KnownHostName(key);
    return host.empty() ? "the image editor that uses it" : host;
}

// Everything this run will remove, the recorded files first.
struct Removal {
    std::vector<FileRecord> records;  // those that name a file the installer writes
    std::vector<FileRecord> named;    // those that name one where the uninstaller does not go
    std::vector<std::string> others;  // the install folder's files, and the shortcuts

    const FileRecord* RecordOf(const std::string& path) const {
        const auto found = std::ranges::find(records, path, &FileRecord::path);
        return found != records.end() ? &*found : nullptr;
    }
};

Removal PlanRemoval(const std::string& installFolder) {
    Removal removal;
    for (FileRecord& record : ReadFileRecords()) {
        // Any other record is not ours to act on, nor to forget.
        switch (UseOf(record.component, record.name, record.path, installFolder)) {
            case RecordUse::Remove:
                removal.records.push_back(std::move(record));
                break;
            case RecordUse::Name:
                removal.named.push_back(std::move(record));
                break;
            case RecordUse::Ignore:
                break;
        }
    }
    // What the install folder holds goes whatever the records say: a missing record must not
    // leave the shell behind once the uninstaller is gone.
    removal.others = {ShellFileIn(installFolder), ShellPluginFileIn(installFolder),
                      PresetsFileIn(installFolder), DesktopShortcut(), StartMenuShortcut()};
    return removal;
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

std::string PathLines(const std::vector<std::string>& paths) {
    std::string lines;
    for (const std::string& path : paths) {
        lines += "    " + path + "\n";
    }
    return lines;
}

// busy: still there after their removal; untouched: never reached, and why.
std::string ResultMessage(const std::vector<std::string>& busy,
                          const std::vector<std::string>& untouched) {
    if (busy.empty() && untouched.empty()) {
        return "Tarvelle Pigmora Demo and Tarvelle Shell have been removed.";
    }
    std::string message;
    if (!busy.empty()) {
        message +=
            "These files could not be removed. Close the programs that use them and run the "
            "uninstaller again:\n\n" +
            PathLines(busy);
    }
    if (!untouched.empty()) {
        message += std::string(message.empty() ? "" : "\n") +
                   "These files have not been removed: the uninstaller opens no network folder, "
                   "follows no link, waits for no drive that is not ready and changes no "
                   "read-only file that has another name, nor any file in a folder closed to it. "
                   "Remove them yourself:\n\n" +
                   PathLines(untouched);
    }
    return message;
}

void Tell(const std::string& message, UINT icon) {
    MessageBoxA(nullptr, message.c_str(), contract::kUninstallerTitle, MB_OK | icon);
}

// Forgets the record of every file that is gone; the host folders whose plug-in this run
// removed, for the empty-folder pass (a folder whose file was missing already may be anyone's).
std::vector<std::string> ForgetRemovedFiles(const Removal& removal,
                                            const std::vector<std::string>& left,
                                            const std::vector<std::string>& removed) {
    std::vector<std::string> hostFolders;
    for (const FileRecord& record : removal.records) {
        if (Contains(left, record.path)) {
            continue;
        }
        DeleteFileRecord(record);
        const std::string folder = FolderOf(record.path);
        if (record.component == contract::kPluginComponent && Contains(removed, record.path) &&
            IsHostPluginFolder(folder)) {
            hostFolders.push_back(folder);
        }
    }
    return hostFolders;
}

// Asks whether the user has removed the files that the uninstaller does not reach; with Yes,
// their records are forgotten, so that a path it will never reach cannot keep the product
// registered for good.
bool ForgetUntouched(const Removal& removal, const std::string& message,
                     const std::vector<std::string>& untouched) {
    const std::string question =
        message +
        "\nOnce you have, the uninstaller can forget them and finish. Forget them now? With No "
        "they are kept, and named again when the uninstaller runs again.";
    if (MessageBoxA(nullptr, question.c_str(), contract::kUninstallerTitle,
                    MB_YESNO | MB_ICONINFORMATION) != IDYES) {
        return false;
    }
    for (const FileRecord& record : removal.records) {
        if (Contains(untouched, record.path)) {
            DeleteFileRecord(record);
        }
    }
    for (const FileRecord& record : removal.named) {
        DeleteFileRecord(record);
    }
    return true;
}

int Uninstall() {
    using namespace contract;
    if (MessageBoxA(nullptr, "Remove Tarvelle Pigmora Demo and Tarvelle Shell from this computer?",
                    kUninstallerTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return 1;
    }
    const std::string installFolder = InstallFolderOf(ThisProgramPath().Bytes());
    if (installFolder.empty()) {
        Tell(std::string("This uninstaller can only remove Tarvelle Pigmora Demo and Tarvelle "
                         "Shell from the folder they were installed to. Run the uninstaller in ") +
                 InstallFolder() + ".\n\n" + kNothingRemoved,
             MB_ICONEXCLAMATION);
        return 5;
    }
    const Removal removal = PlanRemoval(installFolder);
    // The records live in the installing user's own registry; the files are everyone's. Without
    // any while the shell is still there, the hosts' copies could not be found, and the
    // uninstaller must stay to find them. Without any once an earlier run removed the shell, only
    // the rest is left to finish.
    if (removal.records.empty() && removal.named.empty() &&
        FileIsThere(ShellFileIn(installFolder))) {
        Tell(std::string("Tarvelle Pigmora Demo and Tarvelle Shell were installed by another user "
                         "account. Sign in as that user and run the uninstaller again.\n\n") +
                 kNothingRemoved,
             MB_ICONEXCLAMATION);
        return 3;
    }
    std::vector<std::string> left;
    std::vector<std::string> untouched;
    std::vector<std::string> removed;
    {
        FileRemoval files;
        // A host's folder may be any user's, closed even to administrators: what is denied there
        // stays and is named, and holds nothing else back.
        for (const FileRecord& record : removal.records) {
            files.Add(record.path, LocationKeyOf(record.name) == kShellLocationKey
                                       ? FileRemoval::WhenDenied::AskForAdministrator
                                       : FileRemoval::WhenDenied::Refuse);
        }
        for (const std::string& file : removal.others) {
            files.Add(file);
        }
        if (files.Mark().Any()) {
            Tell(ObstacleMessage(removal, files.Mark()), MB_ICONEXCLAMATION);
            return files.Mark().needsAdministrator ? 4 : 2;
        }
        left = files.Finish();
        untouched = files.Refused();
        removed = files.Removed();
    }
    RemoveFolderIfEmpty(PresetsFolderIn(installFolder));
    RemoveFolderIfEmpty(ShellPluginFolderIn(installFolder));
    for (const std::string& folder : ForgetRemovedFiles(removal, left, removed)) {
        RemoveFolderIfEmpty(folder);
    }
    std::vector<std::string> busy;
    std::ranges::copy_if(left, std::back_inserter(busy),
                         [&](const std::string& path) { return !Contains(untouched, path); });
    for (const FileRecord& record : removal.named) {
        untouched.push_back(record.path);
    }
    const std::string message = ResultMessage(busy, untouched);
    if (untouched.empty()) {
        Tell(message, MB_ICONINFORMATION);
    } else if (!ForgetUntouched(removal, message, untouched)) {
        return 2;
    }
    if (!busy.empty()) {
        return 2;
    }
    DeleteProductKeys();
    HandOverSelfDeletion(installFolder);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Elevated, and its hand-over copy starts outside the install folder.
    LoadLibrariesOnlyFromSystem32();
    // A record that names an empty removable drive must not bring up the system's own box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    std::vector<std::string> arguments =
        CommandLineArguments().value_or(std::vector<std::string>());
    if (arguments.size() >= 2 && arguments[1] == "/finish") {
        return FinishSelfDeletion(std::vector<std::string>(arguments.begin() + 2, arguments.end()));
    }
    return Uninstall();
}
