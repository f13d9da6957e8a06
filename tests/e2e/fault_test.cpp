// tests/e2e/fault_test.cpp
// Runs of the real installer in which something goes wrong: a damaged or missing payload, a
// host file that cannot be replaced, a full disk, typed directories that cannot exist, odd
// names, a looping tree and a very large one. Each run says what failed, goes on, ends on an
// honest page, and leaves every file that was there as it was and nothing half-written.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/install_steps.h"

namespace e2e {
namespace {

const char kBin[] = "BIN";
const char kPatchedFolder[] = "C:\\tvl-patched\\";

std::string ErrorBoxText(const std::string& path) {
    return "Error writing file '" + path +
           "'.\nMake sure the host application is not running and retry the installation.";
}

std::string ErrorPageText(const std::string& lines) {
    return "An error occurred during installation of one or more components.\n\nPlease contact "
           "technical support at https://www.tarvelle.example/support or email "
           "support@tarvelle.example for more information.\n\nerrors:\n" +
           lines;
}

// A resource's type or name: a number or a string.
struct ResourceKey {
    explicit ResourceKey(LPCSTR key)
        : number(IS_INTRESOURCE(key) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(key)) : 0),
          text(IS_INTRESOURCE(key) ? "" : key) {}
    LPCSTR Pointer() const { return number != 0 ? MAKEINTRESOURCEA(number) : text.c_str(); }
    WORD number;
    std::string text;
};

struct Resource {
    ResourceKey type;
    ResourceKey name;
    WORD language;
    std::string bytes;
};

// Every resource of an executable, as the resource update calls would write them back.
class ResourceList {
public:
    explicit ResourceList(const char* path)
        : image_(LoadLibraryExA(path, nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {
        if (image_ != nullptr) {
            EnumResourceTypesA(image_, &ResourceList::OnType, reinterpret_cast<LONG_PTR>(this));
        }
    }
    ~ResourceList() {
        if (image_ != nullptr) {
            FreeLibrary(image_);
        }
    }
    ResourceList(const ResourceList&) = delete;
    ResourceList& operator=(const ResourceList&) = delete;
    std::vector<Resource> resources;

private:
    static BOOL CALLBACK OnType(HMODULE image, LPSTR type, LONG_PTR self) {
        EnumResourceNamesA(image, type, &ResourceList::OnName, self);
        return TRUE;  // on to the next type whatever this one held
    }
    static BOOL CALLBACK OnName(HMODULE image, LPCSTR type, LPSTR name, LONG_PTR self) {
        EnumResourceLanguagesA(image, type, name, &ResourceList::OnLanguage, self);
        return TRUE;
    }
    static BOOL CALLBACK OnLanguage(HMODULE image, LPCSTR type, LPCSTR name, WORD language,
                                    LONG_PTR self) {
        HRSRC found = FindResourceExA(image, type, name, language);
        HGLOBAL loaded = found != nullptr ? LoadResource(image, found) : nullptr;
        if (loaded != nullptr) {
            reinterpret_cast<ResourceList*>(self)->resources.push_back(
                {ResourceKey(type), ResourceKey(name), language,
                 std::string(static_cast<const char*>(LockResource(loaded)),
                             SizeofResource(image, found))});
        }
        return TRUE;
    }
    HMODULE image_;
};

bool IsPayload(const Resource& resource, int id) {
    return resource.type.text == kBin && resource.name.number == id;
}

// The bytes of one payload of the built installer.
std::string BuiltPayload(int id) {
    ResourceList list(TVL_INSTALLER_PATH);
    for (const Resource& resource : list.resources) {
        if (IsPayload(resource, id)) {
            return resource.bytes;
        }
    }
    return "";
}

// A copy of the built installer with some payloads replaced or removed, written with the
// resource update calls a packager would use. Wine's update does not remove a single resource,
// so the copy's resources are all written anew from the original's.
class PatchedInstaller {
public:
    PatchedInstaller() : original_(TVL_INSTALLER_PATH) {
        RemoveFromDriveC("tvl-patched");
        CreateDirectoryA(kPatchedFolder, nullptr);
    }
    ~PatchedInstaller() { RemoveFromDriveC("tvl-patched"); }
    static std::string Path() { return std::string(kPatchedFolder) + "TarvelleSetup.exe"; }

    bool Replace(int id, const std::string& bytes) { return Change(id, &bytes); }
    bool Remove(int id) { return Change(id, nullptr); }

    bool Write() {
        if (original_.resources.empty() || !CopyFileA(TVL_INSTALLER_PATH, Path().c_str(), FALSE)) {
            return false;
        }
        HANDLE update = BeginUpdateResourceA(Path().c_str(), TRUE);
        if (update == nullptr) {
            return false;
        }
        bool added = true;
        for (Resource& resource : original_.resources) {
            added =
                added && UpdateResourceA(update, resource.type.Pointer(), resource.name.Pointer(),
                                         resource.language, resource.bytes.data(),
                                         static_cast<DWORD>(resource.bytes.size()));
        }
        return EndUpdateResourceA(update, !added) && added;
    }

private:
    bool Change(int id, const std::string* bytes) {
        for (auto at = original_.resources.begin(); at != original_.resources.end(); ++at) {
            if (IsPayload(*at, id)) {
                if (bytes != nullptr) {
                    at->bytes = *bytes;
                } else {
                    original_.resources.erase(at);
                }
                return true;
            }
        }
        return false;
    }
    ResourceList original_;
};

// A file's content as a failure message shows it: short texts whole, anything else by size.
std::string Shown(const std::string& bytes) {
    return bytes.size() <= 64 ? bytes : std::to_string(bytes.size()) + " bytes";
}

// A file the user had, with known content.
void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary);
    file << content;
}

// Names of temporary files the installer could have left anywhere below a folder.
std::string TemporaryFilesIn(const std::string& folder) {
    std::string found;
    for (const std::string& name : FolderSnapshot(folder)) {
        const std::size_t slash = name.find_last_of('\\');
        const std::string file = name.substr(slash == std::string::npos ? 0 : slash + 1);
        if (file.rfind("tvl", 0) == 0 && file.find(".tmp ") != std::string::npos) {
            found += name + "; ";
        }
    }
    return found;
}

class FaultScenario : public InstallScenario {
protected:
    struct Outcome {
        std::vector<std::string> boxes;  // the message boxes, in order, each answered with OK
        std::string closingPage;         // the text of the page the run ended on
    };

    // Confirms the summary and answers every box until the closing page, which is left with OK.
    Outcome Install(HWND summary) {
        Outcome outcome;
        if (!Click(summary, IDOK)) {
            return outcome;
        }
        HWND closing = nullptr;
        WaitUntil(
            [&] {
                const MessageBoxWindow box = WaitForMessageBox(*installer, "TarvelleSetup", 0ms);
                if (box.window != nullptr) {
                    outcome.boxes.push_back(box.text);
                    Click(box.window, IDOK);
                    WaitUntilGone(box.window);
                    return false;
                }
                closing = WaitForPageWithControl(*installer, IDC_PAGE_TEXT, 0ms);
                return closing != nullptr && closing != summary &&
                       ControlText(closing, IDC_PAGE_TEXT).rfind(kSummaryStart, 0) != 0;
            },
            kSearchTimeout);
        if (closing != nullptr && closing != summary) {
            outcome.closingPage = ControlText(closing, IDC_PAGE_TEXT);
            Click(closing, IDOK);
            EXPECT_TRUE(installer->WaitForExit()) << "the run went on after the closing page";
        }
        return outcome;
    }

    // From the start to the host list of the search of every fixed drive, which the installer
    // offers when Program Files holds no host.
    HWND ReachSelectionOfTheDrives() {
        if (!StartSearch()) {
            return nullptr;
        }
        const MessageBoxWindow question =
            WaitForMessageBox(*installer, "TarvelleSetup", kSearchTimeout);
        return question.window != nullptr && Click(question.window, IDYES)
                   ? WaitForPageWithControl(*installer, IDC_HOST_LIST, kSearchTimeout)
                   : nullptr;
    }
};

TEST_F(FaultScenario, DamagedAndMissingPayloadsAreReportedAndTheUsersFileIsKept) {
    ProgramFilesTree tree("tvl-e2e-damaged");
    ASSERT_TRUE(tree.Make("Photoshop/Plug-Ins/tvl"));
    const std::string hostFile =
        "C:\\Program Files\\tvl-e2e-damaged\\Photoshop\\Plug-Ins\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    WriteFile(hostFile, "the plug-in the user had");

    std::string damaged = BuiltPayload(IDR_PAYLOAD_PLUGIN);
    ASSERT_GT(damaged.size(), 4096u);
    for (std::size_t at = damaged.size() / 2; at < damaged.size() / 2 + 64; ++at) {
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
    }
    PatchedInstaller patched;
    ASSERT_TRUE(patched.Replace(IDR_PAYLOAD_PLUGIN, damaged));
    ASSERT_TRUE(patched.Remove(IDR_PAYLOAD_UNINSTALLER));
    ASSERT_TRUE(patched.Write());

    StartProgram(PatchedInstaller::Path());
    HWND summary = ReachSummary();
    ASSERT_NE(summary, nullptr);
    const Outcome outcome = Install(summary);

    const std::string root = kRoot;
    const std::string shellPlugin = root + "plugins\\Tarvelle_Pigmora_Demo.tvplg";
    const std::string uninstaller = root + "uninstall.exe";
    const std::string recorded =
        "c:\\program files\\tvl-e2e-damaged\\photoshop\\plug-ins\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    // Without its uninstaller the shell application counts as failed, so its own copy of the
    // plug-in is not attempted; the damaged plug-in meets the host's file instead.
    EXPECT_EQ(outcome.boxes,
              (std::vector<std::string>{ErrorBoxText(uninstaller), ErrorBoxText(recorded)}));
    EXPECT_EQ(outcome.closingPage, ErrorPageText("\nError writing file " + uninstaller +
                                                 "\nError writing file " + recorded));
    EXPECT_EQ(RegistryString(kUninstallKey, "UninstallString"), "<missing>")
        << "no uninstall entry for an uninstaller that is not there";
    EXPECT_EQ(Shown(FileBytes(hostFile)), "the plug-in the user had");
    EXPECT_EQ(Shown(FileBytes(shellPlugin)), "<missing>") << "no half-inflated plug-in";
    EXPECT_EQ(Shown(FileBytes(uninstaller)), "<missing>");
    EXPECT_TRUE(FileBytes(root + "TarvelleShell.exe") == Payload("TarvelleShell.exe"))
        << "what could be installed still is";
    EXPECT_TRUE(FileBytes(root + "presets\\PigmoraPresets.ini") == Payload("PigmoraPresets.ini"));
    EXPECT_EQ(TemporaryFilesIn("C:\\Program Files"), "");
}

TEST_F(FaultScenario, AMissingLicenceEndsWithTheUnknownExceptionBoxAndWritesNothing) {
    PatchedInstaller patched;
    ASSERT_TRUE(patched.Remove(IDR_PAYLOAD_LICENSE));
    ASSERT_TRUE(patched.Write());
    const auto before = FolderSnapshot("C:\\Program Files");

    StartProgram(PatchedInstaller::Path());
    HWND welcome = WaitForPageWithControl(*installer, IDC_PAGE_TEXT);
    ASSERT_NE(welcome, nullptr);
    ASSERT_TRUE(Click(welcome, IDOK));
    const MessageBoxWindow box = WaitForMessageBox(*installer, "TarvelleSetup");
    ASSERT_NE(box.window, nullptr) << "no message for the missing licence";
    EXPECT_EQ(box.text,
              "unknown exception during installation \n- please contact us at "
              "https://www.tarvelle.example/support for assistance");
    EXPECT_EQ(WaitForPageWithControl(*installer, IDC_LICENSE_TEXT, 0ms), nullptr);
    ASSERT_TRUE(Click(box.window, IDOK));
    EXPECT_TRUE(installer->WaitForExit()) << "the run must end after the box";
    EXPECT_EQ(FolderSnapshot("C:\\Program Files"), before);
    EXPECT_EQ(RegistryString(kUninstallKey, "UninstallString"), "<missing>");
}

// A read-only plug-in of the user's, in a folder whose name holds printf directives and bytes
// above 0x7F: the path reaches the box and the page as it is, and the file stays as it was.
TEST_F(FaultScenario, AReadOnlyHostFileInAnOddlyNamedFolderIsKept) {
    const std::string odd = "tvl-e2e-%s%n%x%%-\xC4\xE9\xFF";
    ProgramFilesTree tree("tvl-e2e-odd");
    ASSERT_TRUE(tree.Make("."));
    std::string folder = "C:\\Program Files\\tvl-e2e-odd\\" + odd;
    for (const char* part :
         {"", "\\Photoshop", "\\Photoshop\\Plug-Ins", "\\Photoshop\\Plug-Ins\\tvl"}) {
        ASSERT_TRUE(CreateDirectoryA((folder + part).c_str(), nullptr)) << folder + part;
    }
    const std::string hostFile = folder + "\\Photoshop\\Plug-Ins\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    WriteFile(hostFile, "a read-only plug-in");
    ASSERT_TRUE(SetFileAttributesA(hostFile.c_str(), FILE_ATTRIBUTE_READONLY));

    Start();
    HWND summary = ReachSummary();
    ASSERT_NE(summary, nullptr);
    const Outcome outcome = Install(summary);
    const std::string recorded = "c:\\program files\\tvl-e2e-odd\\" + odd +
                                 "\\photoshop\\plug-ins\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    EXPECT_EQ(outcome.boxes, std::vector<std::string>{ErrorBoxText(recorded)});
    EXPECT_EQ(outcome.closingPage, ErrorPageText("\nError writing file " + recorded));
    EXPECT_EQ(Shown(FileBytes(hostFile)), "a read-only plug-in");
    EXPECT_NE(GetFileAttributesA(hostFile.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(TemporaryFilesIn("C:\\Program Files\\tvl-e2e-odd"), "");
    SetFileAttributesA(hostFile.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The host's drive is a 24 KiB file system of its own, too small for the plug-in: the whole
// drive, as a file system mounted on a folder is a mount point, which Wine shows as a link.
class FullDrive {
public:
    FullDrive() {
        mounted_ = RunUnixShell(
            "[ \"$(id -u)\" -eq 0 ] && mount -t tmpfs -o size=24k tvl-full '" TVL_TEST_DRIVE_F "'");
    }
    ~FullDrive() {
        if (mounted_) {
            RunUnixShell("umount -l '" TVL_TEST_DRIVE_F "'");
        }
    }
    bool Mounted() const { return mounted_; }

private:
    bool mounted_ = false;
};

TEST_F(FaultScenario, ADiskThatFillsUpDuringTheWriteKeepsTheOldFileWhole) {
    FullDrive drive;
    if (!drive.Mounted()) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    ASSERT_TRUE(RunUnixShell("mkdir -p '" TVL_TEST_DRIVE_F "/Photoshop/Plug-Ins/tvl'"));
    const std::string folder = "F:\\Photoshop\\Plug-Ins\\tvl";
    const std::string hostFile = folder + "\\Tarvelle_Pigmora_Demo.8bf";
    WriteFile(hostFile, std::string(12000, 'p'));
    ULARGE_INTEGER free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA((folder + "\\").c_str(), &free, nullptr, nullptr));
    ASSERT_GT(Payload("Tarvelle_Pigmora_Demo.dll").size(), free.QuadPart)
        << "the plug-in must not fit";
    const auto before = FolderSnapshot(folder);

    Start();
    HWND page = ReachSelectionOfTheDrives();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Click(page, IDOK));
    HWND summary = WaitForPageWithText(kSummaryStart);
    ASSERT_NE(summary, nullptr);
    const Outcome outcome = Install(summary);
    const std::string recorded = "f:\\photoshop\\plug-ins\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    EXPECT_EQ(outcome.boxes, std::vector<std::string>{ErrorBoxText(recorded)});
    EXPECT_EQ(outcome.closingPage, ErrorPageText("\nError writing file " + recorded));
    EXPECT_TRUE(FileBytes(hostFile) == std::string(12000, 'p'));
    EXPECT_EQ(FolderSnapshot(folder), before) << "a temporary file was left on the full disk";
}

// Directories typed into the Options dialog that cannot exist: on a drive letter that is not
// there, and longer than MAX_PATH. Neither leaves a folder behind.
TEST_F(FaultScenario, TypedDirectoriesThatCannotExistAreReported) {
    ProgramFilesTree tree("tvl-e2e-typed");
    ASSERT_TRUE(tree.Make("Photoshop/Plug-Ins"));
    RemoveFromDriveC("tvl-e2e-long");
    std::string longDirectory = "C:\\tvl-e2e-long\\";
    while (longDirectory.size() <= MAX_PATH) {
        longDirectory += "abcdefghijklmnopqrstuvwxyz\\";
    }
    const std::string missingDrive = "Q:\\Editor\\Plug-Ins\\";
    ASSERT_EQ(GetFileAttributesA("Q:\\"), INVALID_FILE_ATTRIBUTES) << "drive Q: must not exist";

    Start();
    HWND page = ReachSelection();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(ListLines(page, IDC_HOST_LIST).size(), 2u);
    ASSERT_TRUE(TypeDirectory(page, 0, missingDrive));
    ASSERT_TRUE(TypeDirectory(page, 1, longDirectory));
    HWND list = GetDlgItem(page, IDC_HOST_LIST);
    ASSERT_TRUE(ClickUntil(page, ListLinePoint(page, IDC_HOST_LIST, 1, 6),
                           [&] { return (SendMessageA(list, LB_GETITEMDATA, 1, 0) & 1) != 0; }));
    ASSERT_TRUE(Click(page, IDOK));
    HWND summary = WaitForPageWithText(kSummaryStart);
    ASSERT_NE(summary, nullptr);
    const Outcome outcome = Install(summary);

    const std::string missingTarget = missingDrive + "Tarvelle_Pigmora_Demo.8bf";
    const std::string longTarget = longDirectory + "Tarvelle_Pigmora_Demo.8bf";
    EXPECT_EQ(outcome.boxes,
              (std::vector<std::string>{ErrorBoxText(missingTarget), ErrorBoxText(longTarget)}));
    EXPECT_EQ(outcome.closingPage, ErrorPageText("\nError writing file " + missingTarget +
                                                 "\nError writing file " + longTarget));
    EXPECT_EQ(GetFileAttributesA("C:\\tvl-e2e-long"), INVALID_FILE_ATTRIBUTES)
        << "a folder was made for a path that cannot be used";
    EXPECT_TRUE(FileBytes(std::string(kRoot) + "TarvelleShell.exe") ==
                Payload("TarvelleShell.exe"));
    RemoveFromDriveC("tvl-e2e-long");
}

// A symbolic link to its own folder inside Program Files: the walk still ends.
TEST_F(FaultScenario, ASymbolicLinkLoopDoesNotKeepTheSearchGoing) {
    ProgramFilesTree tree("tvl-e2e-loop");
    ASSERT_TRUE(tree.Make("Photoshop/Plug-Ins"));
    ASSERT_TRUE(RunUnixShell("cd \"" + UnixPathOnDriveC("Program Files/tvl-e2e-loop") +
                             "\" && ln -s . again && ln -s .. up"));
    Start();
    HWND page = ReachSelection(kSearchTimeout);
    ASSERT_NE(page, nullptr) << "the search did not end";
    const std::vector<ListLine> lines = ListLines(page, IDC_HOST_LIST);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.front().text, "Photoshop");
    EXPECT_EQ(lines.back().text, "user selected plugin file location");
    ASSERT_TRUE(Click(page, IDCANCEL));
}

// What a program without rights can make outside Program Files, where the search of the fixed
// drives finds hosts: a host's "tvl" folder that is a link to a folder of the attacker's choice,
// a host reached only through a link, and a folder whose full-width backslashes the Western code
// page would turn into "\..\". None of them decides where the plug-in goes: the last is a host
// under its own exact name.
TEST_F(FaultScenario, LinksAndLookAlikeNamesOutsideProgramFilesRedirectNothing) {
    // The links' targets: a folder of C: with a file to lose, and a host tree that no search
    // root reaches (beside drive C:, not on a drive of its own).
    const std::string links = UnixPathOnDriveC("tvl-e2e-links");
    const std::string victim = UnixPathOnDriveC("tvl-e2e-victim");
    const std::string elsewhere = UnixPathOnDriveC("../tvl-e2e-elsewhere");
    RemoveFromDriveC("tvl-e2e-links");
    RemoveFromDriveC("tvl-e2e-victim");
    ASSERT_TRUE(RunUnixShell("rm -rf '" + elsewhere + "' && mkdir -p '" + links +
                             "/Photoshop/Plug-Ins' '" + elsewhere + "/Photoshop 8/Plug-Ins' '" +
                             victim + "' && echo mine > '" + victim + "/keep.txt' && ln -s '" +
                             victim + "' '" + links + "/Photoshop/Plug-Ins/tvl' && ln -s '" +
                             elsewhere + "' '" + links + "/elsewhere'"));
    ASSERT_TRUE(CreateDirectoryW(L"C:\\tvl-e2e-links\\Photoshop 9", nullptr)) << GetLastError();
    const std::wstring lookAlike =
        L"C:\\tvl-e2e-links\\Photoshop 9\\plug-ins\uFF3C..\uFF3C..\uFF3C..\uFF3Ctvl-e2e-victim";
    ASSERT_TRUE(CreateDirectoryW(lookAlike.c_str(), nullptr)) << GetLastError();
    const std::set<std::string> before = FolderSnapshot("C:\\tvl-e2e-victim");

    Start();
    HWND page = ReachSelectionOfTheDrives();
    ASSERT_NE(page, nullptr);
    const std::vector<ListLine> lines = ListLines(page, IDC_HOST_LIST);
    ASSERT_EQ(lines.size(), 3u) << "a host reached through a link was found";
    ASSERT_TRUE(Click(page, IDOK));
    HWND summary = WaitForPageWithText(kSummaryStart);
    ASSERT_NE(summary, nullptr);
    const Outcome outcome = Install(summary);

    const std::string target =
        "c:\\tvl-e2e-links\\photoshop\\plug-ins\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    EXPECT_EQ(outcome.boxes, std::vector<std::string>{ErrorBoxText(target)});
    EXPECT_EQ(FolderSnapshot("C:\\tvl-e2e-victim"), before) << "a write went through a link";
    EXPECT_NE(GetFileAttributesW((lookAlike + L"\\tvl\\Tarvelle_Pigmora_Demo.8bf").c_str()),
              INVALID_FILE_ATTRIBUTES);
    RemoveFromDriveC("tvl-e2e-links");
    RemoveFromDriveC("tvl-e2e-victim");
    RunUnixShell("rm -rf '" + elsewhere + "'");
}

// 200,000 directories in Program Files: the search ends, finds the one host among them, and
// needs no more memory than over a small tree.
TEST_F(FaultScenario, ATreeOf200000DirectoriesIsSearchedInBoundedMemory) {
    std::size_t peak[2] = {};
    for (int run = 0; run < 2; ++run) {
        ProgramFilesTree tree("tvl-e2e-wide");
        ASSERT_TRUE(tree.Make("z/Photoshop/Plug-Ins"));
        if (run == 1) {
            ASSERT_TRUE(RunUnixShell("cd \"" + UnixPathOnDriveC("Program Files/tvl-e2e-wide") +
                                     "\" && for a in {0..19}; do mkdir -p $a/{0..99}/{0..99} || "
                                     "exit 1; done"));
        }
        Start();
        HWND page = ReachSelection(3 * kSearchTimeout);
        ASSERT_NE(page, nullptr) << "the search did not end";
        EXPECT_EQ(ListLines(page, IDC_HOST_LIST).size(), 2u);
        peak[run] = installer->PeakWorkingSetBytes();
        ASSERT_TRUE(Click(page, IDCANCEL));
        installer.reset();
    }
    std::printf("peak working set: small tree %zu KiB, 202,020 directories %zu KiB\n",
                peak[0] / 1024, peak[1] / 1024);
    RecordProperty("PeakSmallTreeKiB", std::to_string(peak[0] / 1024));
    RecordProperty("PeakLargeTreeKiB", std::to_string(peak[1] / 1024));
    ASSERT_GT(peak[0], 0u);
    EXPECT_LT(peak[1], peak[0] + 4 * 1024 * 1024) << "memory grew with the number of directories";
}

}  // namespace
}  // namespace e2e
