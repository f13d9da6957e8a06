// tests/e2e/cycle_test.cpp
// Install, use and remove: the installed shell applies a preset with the installed plug-in, and
// the installed uninstaller takes away everything the installer wrote and nothing else, through
// a copy of itself that no stranger's file can reach.
#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "payloads/shell/bitmap_file.h"
#include "resources/install_contract.h"
#include "tests/e2e/install_steps.h"
#include "tests/e2e/planted_libraries.h"

namespace e2e {
namespace {

const char kHostFolder[] = "C:\\Program Files\\tvl-e2e-cycle\\Photoshop 7\\Plug-Ins\\";
const char* const kUninstallTitle = contract::kUninstallerTitle;
// "写真" and "Łódź": Japanese and Polish, neither of them in the Western code page.
const std::wstring kScripts = L"\u5199\u771f \u0141\u00f3d\u017a";
const std::wstring kScriptsHost =
    L"C:\\Program Files\\tvl-e2e-cycle\\Grafik " + kScripts + L"\\Corel Painter\\Plug-Ins";
const std::wstring kChosenFolder = L"C:\\tvl-e2e-" + kScripts + L"\\Plug-Ins\\";

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, path, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// Runs a program and waits for its exit code.
DWORD RunAndWait(const std::wstring& commandLine) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return 9999;
    }
    DWORD code = 9998;
    if (WaitForSingleObject(info.hProcess, 60000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(info.hProcess, &code);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code;
}

DWORD RunAndWait(const std::string& commandLine) {
    return RunAndWait(Wide(commandLine));
}

// Files and registry values named in any script, through the wide calls: this program's own
// code page is the Western one.
bool ExistsW(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteFileW(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool done =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(file);
    return done;
}

std::wstring RecordW(const std::string& key, const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, Wide(key).c_str(), name, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return L"<missing>";
    }
    return value;
}

void PutBigEndian(std::string& bytes, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

void PutChunk(std::string& png, const char* type, const std::string& data) {
    PutBigEndian(png, static_cast<uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    png += body;
    PutBigEndian(png, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()),
                                                  static_cast<uInt>(body.size()))));
}

// The same picture as a PNG (RGBA, no filter), for the Imaging Component path of the shell.
void WritePng(const std::string& path, const Image& image) {
    std::string rows;
    for (int y = 0; y < image.height; ++y) {
        rows.push_back('\0');
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = &image.bgra[(static_cast<std::size_t>(y) * image.width + x) * 4];
            rows += {static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0]),
                     static_cast<char>(p[3])};
        }
    }
    uLongf size = compressBound(static_cast<uLong>(rows.size()));
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(rows.data()), static_cast<uLong>(rows.size()));
    packed.resize(size);
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(image.width));
    PutBigEndian(header, static_cast<uint32_t>(image.height));
    header += std::string("\x08\x06\x00\x00\x00", 5);
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", "");
    std::ofstream(path, std::ios::binary) << png;
}

// The Windows folder's Temp, where the uninstaller's hand-over copy gets a folder of its own.
std::string WindowsTempFolder() {
    char windows[MAX_PATH] = {};
    GetSystemWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\Temp\\";
}

std::string UserTempFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return temp;
}

// The names of the hand-over copies' folders in the Windows temporary folder.
std::set<std::string> HandOverFolders() {
    std::set<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((WindowsTempFolder() + "tarvelle-uninstall-*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            names.insert(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return names;
}

// The files and folders waiting to be deleted at the next restart, in their order, each
// lower-case and without the "\\??\\" prefix.
std::vector<std::string> PendingDeletions() {
    std::string names(65536, '\0');
    DWORD size = static_cast<DWORD>(names.size());
    if (SHGetValueA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager",
                    "PendingFileRenameOperations", nullptr, names.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<std::string> deletions;
    // Pairs of a name and its new name, empty for a deletion.
    for (std::size_t at = 0; at < size && names[at] != '\0';) {
        const std::string from = names.c_str() + at;
        at += from.size() + 1;
        const std::string to = at < size ? names.c_str() + at : "";
        at += to.size() + 1;
        if (to.empty()) {
            std::string name = from.rfind("\\??\\", 0) == 0 ? from.substr(4) : from;
            CharLowerA(name.data());
            deletions.push_back(name);
        }
    }
    return deletions;
}

std::size_t PlaceOf(const std::vector<std::string>& names, std::string name) {
    CharLowerA(name.data());
    return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

// Runs an uninstaller, answers Yes, and returns its final message, answered with answer where it
// is a question.
std::string RunUninstaller(const std::string& program, int answer = IDOK) {
    InstallerProcess uninstaller(program);
    MessageBoxWindow question = WaitForMessageBox(uninstaller, kUninstallTitle);
    if (question.window == nullptr ||
        question.text != "Remove Tarvelle Pigmora Demo and Tarvelle Shell from this computer?" ||
        !Click(question.window, IDYES) || !WaitUntilGone(question.window)) {
        return "<no question>";
    }
    MessageBoxWindow result = WaitForMessageBox(uninstaller, kUninstallTitle);
    if (result.window == nullptr || !Click(result.window, answer) || !uninstaller.WaitForExit()) {
        return "<no final message>";
    }
    return result.text;
}

class CycleScenario : public InstallScenario {
protected:
    // Every host found, and with chosenFolder also the "user selected" line, set to it.
    bool InstallEverything(const std::wstring& chosenFolder = L"") {
        Start();
        HWND summary = nullptr;
        if (chosenFolder.empty()) {
            summary = ReachSummary();
        } else {
            HWND page = ReachSelection();
            const int last =
                page != nullptr ? static_cast<int>(ListLines(page, IDC_HOST_LIST).size()) - 1 : -1;
            HWND list = GetDlgItem(page, IDC_HOST_LIST);
            if (last < 1 || !TypeDirectory(page, last, chosenFolder) ||
                !ClickUntil(
                    page, ListLinePoint(page, IDC_HOST_LIST, last, 6),
                    [&] { return (SendMessageA(list, LB_GETITEMDATA, last, 0) & 1) != 0; }) ||
                !Click(page, IDOK)) {
                return false;
            }
            summary = WaitForPageWithText(kSummaryStart);
        }
        if (summary == nullptr || !Click(summary, IDOK)) {
            return false;
        }
        HWND thanks = WaitForPageWithText(kThankYou);
        return thanks != nullptr && Click(thanks, IDOK) && installer->WaitForExit();
    }

    std::string Uninstall(int answer = IDOK) {
        return RunUninstaller(std::string(kRoot) + "uninstall.exe", answer);
    }

    ProgramFilesTree tree{"tvl-e2e-cycle"};
};

TEST_F(CycleScenario, InstallApplyAPresetAndRemoveEverythingTheInstallerWrote) {
    ASSERT_TRUE(tree.Make("'Photoshop 7'/Plug-Ins"));
    // Two hosts of one kind: each copy is recorded, and removed.
    ASSERT_TRUE(tree.Make("'Photoshop 6'/Plug-Ins"));
    const std::string secondHost = "C:\\Program Files\\tvl-e2e-cycle\\Photoshop 6\\Plug-Ins\\tvl\\";
    const std::string usersFile = std::string(kHostFolder) + "users-own-filter.8bf";
    std::ofstream(usersFile, std::ios::binary) << "not ours";
    // A host and a chosen folder named in scripts that the Western code page cannot hold.
    ASSERT_TRUE(
        CreateDirectoryW(kScriptsHost.substr(0, kScriptsHost.find(L"\\Corel")).c_str(), nullptr));
    ASSERT_TRUE(
        CreateDirectoryW(kScriptsHost.substr(0, kScriptsHost.find(L"\\Plug")).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(kScriptsHost.c_str(), nullptr));
    // The chosen folder typed with slashes and ".." through a link the user made to the folder
    // above it: the plug-in goes into the folder the link leads to, and is recorded there.
    const std::wstring chosenParent = kChosenFolder.substr(0, kChosenFolder.find(L"\\Plug"));
    ASSERT_TRUE(CreateDirectoryW(chosenParent.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    std::string target(MAX_PATH, '\0');
    const std::wstring parentName = chosenParent.substr(3);
    target.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, parentName.data(), static_cast<int>(parentName.size()),
                            target.data(), static_cast<int>(target.size()), nullptr, nullptr)));
    // The shell command reaches bash in the Western code page, and with its backslashes doubled.
    std::string hex;
    for (const char c : target) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(c));
        hex += digits;
    }
    RemoveFromDriveC("tvl-e2e-cycle-link");
    ASSERT_TRUE(RunUnixShell("cd '" + UnixPathOnDriveC("") +
                             "' && ln -s \"$(perl -e 'print pack(q(H*), q(" + hex +
                             "))')\" tvl-e2e-cycle-link"));
    ASSERT_TRUE(InstallEverything(L"C:/tvl-e2e-cycle-link/Apps/../Plug-Ins/"));
    RemoveFromDriveC("tvl-e2e-cycle-link");
    const std::wstring scriptsPlugin = kScriptsHost + L"\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    const std::wstring chosenPlugin = kChosenFolder + L"Tarvelle_Pigmora_Demo.8bf";
    EXPECT_TRUE(FileBytes(scriptsPlugin) == Payload("Tarvelle_Pigmora_Demo.dll"));
    EXPECT_TRUE(FileBytes(chosenPlugin) == Payload("Tarvelle_Pigmora_Demo.dll"));
    // Recorded as written: the host's folder lower-cased byte by byte, which leaves every
    // character outside ASCII as it is.
    EXPECT_EQ(RecordW(kFilesKey, L"filelocation.painter"),
              L"c:\\program files\\tvl-e2e-cycle\\grafik \u5199\u771f \u0141\u00f3d\u017a\\"
              L"corel painter\\plug-ins\\tvl\\Tarvelle_Pigmora_Demo.8bf");
    EXPECT_EQ(RecordW(kFilesKey, L"filelocation.user_selected"), chosenPlugin);
    EXPECT_TRUE(Exists(secondHost + "Tarvelle_Pigmora_Demo.8bf"));
    EXPECT_NE(RegistryString(kFilesKey, "filelocation.photoshop.1"), "<missing>");

    // The installed shell applies a preset through the installed plug-in.
    Image picture;
    picture.width = 24;
    picture.height = 16;
    for (int i = 0; i < 24 * 16; ++i) {
        picture.bgra.insert(picture.bgra.end(),
                            {static_cast<uint8_t>(i * 7), static_cast<uint8_t>(i * 3),
                             static_cast<uint8_t>(255 - i), 255});
    }
    std::string error;
    const std::string in = std::string(kHostFolder) + "..\\in.bmp";
    const std::string out = std::string(kHostFolder) + "..\\out.bmp";
    const std::string same = std::string(kHostFolder) + "..\\same.bmp";
    ASSERT_TRUE(WriteBitmap(in, picture, error)) << error;
    const std::string shell = std::string("\"") + kRoot + "TarvelleShell.exe\" /apply ";
    ASSERT_EQ(RunAndWait(shell + "\"Ochre on Rough\" \"" + in + "\" \"" + out + "\""), 0u);
    ASSERT_EQ(RunAndWait(shell + "Identity \"" + in + "\" \"" + same + "\""), 0u);
    const std::string png = std::string(kHostFolder) + "..\\in.png";
    const std::string fromPng = std::string(kHostFolder) + "..\\from-png.bmp";
    WritePng(png, picture);
    ASSERT_EQ(RunAndWait(shell + "Identity \"" + png + "\" \"" + fromPng + "\""), 0u)
        << "a PNG is read through the Imaging Component";
    EXPECT_NE(RunAndWait(shell + "\"No Such Preset\" \"" + in + "\" \"" + out + "\""), 0u);
    Image changed;
    Image unchanged;
    ASSERT_TRUE(ReadBitmap(out, changed, error)) << error;
    ASSERT_TRUE(ReadBitmap(same, unchanged, error)) << error;
    EXPECT_EQ(changed.width, 24);
    EXPECT_EQ(changed.height, 16);
    EXPECT_NE(changed.bgra, picture.bgra);
    EXPECT_EQ(unchanged.bgra, picture.bgra);
    Image decoded;
    ASSERT_TRUE(ReadBitmap(fromPng, decoded, error)) << error;
    EXPECT_EQ(decoded.bgra, picture.bgra);
    // The same through names that the Western code page cannot hold.
    const std::wstring scriptsIn = kChosenFolder + L"zdj\u0119cie " + kScripts + L".bmp";
    const std::wstring scriptsOut = kChosenFolder + L"wynik " + kScripts + L".bmp";
    ASSERT_TRUE(WriteFileW(scriptsIn, EncodeBitmap(picture)));
    EXPECT_EQ(RunAndWait(Wide(shell) + L"\"Ochre on Rough\" \"" + scriptsIn + L"\" \"" +
                         scriptsOut + L"\""),
              0u);
    Image scriptsChanged;
    EXPECT_TRUE(DecodeBitmap(FileBytes(scriptsOut), "the output", scriptsChanged, error)) << error;
    EXPECT_EQ(scriptsChanged.bgra, changed.bgra);
    DeleteFileW(scriptsIn.c_str());
    DeleteFileW(scriptsOut.c_str());

    // What any program of the user's can write in the user's registry: a record of a file the
    // installer never writes, and another install folder, each naming a file to lose.
    const std::string victim = "C:\\windows\\tvl-victim.txt";
    const std::string victimFolder = "C:\\tvl-victimdir\\";
    ASSERT_TRUE(CreateDirectoryA(victimFolder.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((victimFolder + "presets").c_str(), nullptr));
    const std::vector<std::string> victims = {victim, victimFolder + "uninstall.exe",
                                              victimFolder + "presets\\PigmoraPresets.ini"};
    for (const std::string& file : victims) {
        std::ofstream(file, std::ios::binary) << "not ours";
    }
    ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, kFilesKey.c_str(), "filelocation.corel", REG_SZ,
                          victim.c_str(), static_cast<DWORD>(victim.size() + 1)),
              ERROR_SUCCESS);
    ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, kUninstallKey, "InstallLocation", REG_SZ,
                          victimFolder.c_str(), static_cast<DWORD>(victimFolder.size() + 1)),
              ERROR_SUCCESS);

    // The uninstaller runs with administrator rights and hands over to a copy of itself outside
    // the install folder: nothing a user left in a temporary folder may be loaded by either.
    const std::set<std::string> earlier = HandOverFolders();
    {
        const PlantedLibraries planted({UserTempFolder(), WindowsTempFolder()});
        ASSERT_TRUE(planted.Ready());
        EXPECT_EQ(Uninstall(), "Tarvelle Pigmora Demo and Tarvelle Shell have been removed.");
        EXPECT_TRUE(WaitUntil([] { return !Exists(kRoot); }, kPageTimeout))
            << "the install folder is left";
        // The copy's last step; its libraries are all loaded by then.
        std::string copy;
        WaitUntil([&] {
            for (const std::string& name : HandOverFolders()) {
                if (earlier.count(name) == 0) {
                    copy = WindowsTempFolder() + name;
                }
            }
            const std::vector<std::string> pending = PendingDeletions();
            return !copy.empty() && PlaceOf(pending, copy) < pending.size();
        });
        ASSERT_FALSE(copy.empty()) << "no hand-over copy in " << WindowsTempFolder();
        EXPECT_EQ(FileBytes(copy + "\\uninstall.exe"), Payload("uninstall.exe"));
        const std::vector<std::string> pending = PendingDeletions();
        EXPECT_LT(PlaceOf(pending, copy + "\\uninstall.exe"), PlaceOf(pending, copy))
            << "the copy goes at the next restart, and then its folder";
        EXPECT_EQ(planted.Loaded(), "");
        RemoveFromDriveC("windows/temp/" + copy.substr(WindowsTempFolder().size()));
    }
    EXPECT_FALSE(Exists(std::string(kHostFolder) + "tvl\\"));
    EXPECT_FALSE(Exists(secondHost)) << "the earlier copy of a kind stayed";
    EXPECT_FALSE(ExistsW(kScriptsHost + L"\\tvl"));
    EXPECT_FALSE(ExistsW(chosenPlugin));
    RemoveDirectoryW(kChosenFolder.c_str());
    RemoveDirectoryW(kChosenFolder.substr(0, kChosenFolder.find(L"\\Plug")).c_str());
    EXPECT_TRUE(Exists(usersFile)) << "a file the user had must stay";
    for (const std::string& file : victims) {
        EXPECT_EQ(FileBytes(file), "not ours") << file;
    }
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.corel"), victim)
        << "a record the installer did not write is not the uninstaller's to forget";
    EXPECT_FALSE(Exists(Folder(CSIDL_COMMON_DESKTOPDIRECTORY) + "Tarvelle Shell.lnk"));
    EXPECT_FALSE(Exists(Folder(CSIDL_COMMON_STARTMENU) + "Programs\\Tarvelle Shell.lnk"));
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop"), "<missing>");
    EXPECT_FALSE(KeyExists(kShellKey.c_str()));
    EXPECT_FALSE(KeyExists(kUninstallKey));
    DeleteFileA(victim.c_str());
    RemoveFromDriveC("tvl-victimdir");
}

TEST_F(CycleScenario, NothingIsRemovedWhileAFileIsInUseAndWhatStaysIsNamedWithItsRecord) {
    ASSERT_TRUE(tree.Make("'Photoshop 7'/Plug-Ins"));
    ASSERT_TRUE(InstallEverything());
    const std::string shellProgram = std::string(kRoot) + "TarvelleShell.exe";
    const std::string records = std::string(contract::kFilesKey) + contract::kPluginComponent;

    // Another account's uninstaller finds no records of its own.
    const std::string aside = "Software\\tvl-e2e-records-aside";
    HKEY copy = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, aside.c_str(), &copy), ERROR_SUCCESS);
    ASSERT_EQ(RegCopyTreeA(HKEY_CURRENT_USER, contract::kProductKey, copy), ERROR_SUCCESS);
    ASSERT_EQ(SHDeleteKeyA(HKEY_CURRENT_USER, contract::kProductKey), ERROR_SUCCESS);
    const std::string foreign = Uninstall();
    EXPECT_NE(foreign.find("installed by another user account"), std::string::npos) << foreign;
    EXPECT_TRUE(Exists(shellProgram)) << "nothing is removed for another account's records";
    HKEY product = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, contract::kProductKey, &product), ERROR_SUCCESS);
    ASSERT_EQ(RegCopyTreeA(copy, nullptr, product), ERROR_SUCCESS);
    RegCloseKey(product);
    RegCloseKey(copy);
    SHDeleteKeyA(HKEY_CURRENT_USER, aside.c_str());

    // A host holds its plug-in: the uninstaller names it and the host, and removes nothing.
    const std::string plugin =
        "c:\\program files\\tvl-e2e-cycle\\photoshop 7\\plug-ins\\tvl\\"
        "Tarvelle_Pigmora_Demo.8bf";
    HANDLE held = CreateFileA(plugin.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string first = Uninstall();
    EXPECT_NE(first.find(plugin + " (close Photoshop)"), std::string::npos) << first;
    EXPECT_NE(first.find("Nothing has been removed."), std::string::npos) << first;
    EXPECT_TRUE(Exists(plugin));
    EXPECT_TRUE(Exists(shellProgram)) << first;
    EXPECT_TRUE(KeyExists(records.c_str())) << first;
    CloseHandle(held);

    // A host has the plug-in loaded: a mapped image, with no handle that opening could trip on.
    HMODULE loaded = LoadLibraryExA(plugin.c_str(), nullptr, 0);
    ASSERT_NE(loaded, nullptr);
    const std::string mapped = Uninstall();
    EXPECT_NE(mapped.find(plugin + " (close Photoshop)"), std::string::npos) << mapped;
    EXPECT_TRUE(Exists(shellProgram)) << mapped;
    FreeLibrary(loaded);

    // Held with deletion shared, the plug-in is still there when the others are gone: its record
    // stays for the next run, which finishes the job. What the uninstaller will not reach is named
    // and keeps its record too: a network path, a folder reached through a link, a name Windows
    // keeps for a device, and a read-only file that has a second name. Without its record, the
    // shell goes all the same. Two names of one file both go, and an empty "tvl" folder whose
    // file was missing already is not the uninstaller's to remove.
    const std::string stays = UnixPathOnDriveC("tvl-e2e-stays");
    const std::string share = UnixPathOnDriveC("../dosdevices/unc/tvl-server/share");
    const std::string ours = "/tvl/Tarvelle_Pigmora_Demo.8bf";
    RemoveFromDriveC("tvl-e2e-stays");
    ASSERT_TRUE(RunUnixShell(
        "rm -rf '" + share + "' && mkdir -p '" + share + "/tvl' '" + stays + "/target/tvl' '" +
        stays + "/nul.txt/tvl' '" + stays + "/linked/tvl' && echo ours | tee '" + share + ours +
        "' '" + stays + "/target" + ours + "' '" + stays + "/nul.txt" + ours +
        "' > /dev/null && ln -s target '" + stays + "/link' && mkdir -p '" + stays + "/a/tvl' '" +
        stays + "/b/tvl' '" + stays + "/empty/tvl' && echo ours > '" + stays + "/a" + ours +
        "' && ln '" + stays + "/a" + ours + "' '" + stays + "/b" + ours + "'"));
    const std::string keep = "C:\\tvl-e2e-stays\\keep.bin";
    std::ofstream(keep, std::ios::binary) << "theirs";
    ASSERT_TRUE(SetFileAttributesA(keep.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateHardLinkA("C:\\tvl-e2e-stays\\linked\\tvl\\Tarvelle_Pigmora_Demo.8bf",
                                keep.c_str(), nullptr));
    const std::vector<std::pair<const char*, std::string>> unreached = {
        {"filelocation.other", "\\\\tvl-server\\share\\tvl\\Tarvelle_Pigmora_Demo.8bf"},
        {"filelocation.corel", "C:\\tvl-e2e-stays\\link\\tvl\\Tarvelle_Pigmora_Demo.8bf"},
        {"filelocation.painter", "C:\\tvl-e2e-stays\\nul.txt\\tvl\\Tarvelle_Pigmora_Demo.8bf"},
        {"filelocation.paintshoppro", "C:\\tvl-e2e-stays\\linked\\tvl\\Tarvelle_Pigmora_Demo.8bf"}};
    const std::vector<std::pair<const char*, std::string>> reached = {
        {"filelocation.corel.1", "C:\\tvl-e2e-stays\\a\\tvl\\Tarvelle_Pigmora_Demo.8bf"},
        {"filelocation.corel.2", "C:\\tvl-e2e-stays\\b\\tvl\\Tarvelle_Pigmora_Demo.8bf"},
        {"filelocation.other.1", "C:\\tvl-e2e-stays\\empty\\tvl\\Tarvelle_Pigmora_Demo.8bf"}};
    for (const auto& [value, path] : unreached) {
        ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, kFilesKey.c_str(), value, REG_SZ, path.c_str(),
                              static_cast<DWORD>(path.size() + 1)),
                  ERROR_SUCCESS);
    }
    for (const auto& [value, path] : reached) {
        ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, kFilesKey.c_str(), value, REG_SZ, path.c_str(),
                              static_cast<DWORD>(path.size() + 1)),
                  ERROR_SUCCESS);
    }
    ASSERT_EQ(SHDeleteValueA(HKEY_CURRENT_USER, kShellKey.c_str(), "filelocation.tarvelleshell"),
              ERROR_SUCCESS);
    held = CreateFileA(plugin.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string partial = Uninstall(IDNO);
    CloseHandle(held);
    const std::size_t notRemoved = partial.find("have not been removed");
    EXPECT_LT(partial.find("could not be removed. Close the programs that use them and run the "
                           "uninstaller again:\n\n    " +
                           plugin + "\n"),
              notRemoved)
        << partial;
    ASSERT_NE(notRemoved, std::string::npos) << partial;
    for (const auto& [value, path] : unreached) {
        EXPECT_NE(partial.find("    " + path + "\n", notRemoved), std::string::npos) << partial;
        EXPECT_EQ(RegistryString(kFilesKey, value), path) << "its record was lost";
    }
    for (const auto& [value, path] : reached) {
        EXPECT_EQ(partial.find(path), std::string::npos) << partial;
        EXPECT_EQ(RegistryString(kFilesKey, value), "<missing>");
    }
    EXPECT_FALSE(Exists("C:\\tvl-e2e-stays\\b\\tvl\\")) << "the second name of a file stayed";
    EXPECT_TRUE(Exists("C:\\tvl-e2e-stays\\empty\\tvl\\")) << "a folder it did not empty went";
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop"), plugin) << partial;
    EXPECT_TRUE(RunUnixShell("test -f '" + share + ours + "' && test -f '" + stays + "/target" +
                             ours + "' && test -f '" + stays + "/nul.txt" + ours +
                             "' && test -f '" + stays + "/linked" + ours + "'"))
        << "a file the uninstaller does not reach was removed";
    EXPECT_NE(GetFileAttributesA(keep.c_str()) & FILE_ATTRIBUTE_READONLY, 0u)
        << "the attribute of a file with two names was changed";
    EXPECT_FALSE(Exists(shellProgram)) << "without its record the shell stays";
    EXPECT_TRUE(Exists(std::string(kRoot) + "uninstall.exe")) << "no uninstaller to run again";
    RunUnixShell("rm -rf '" + stays + "'");

    // What it does not reach is named again until the user, who has removed it, lets it be
    // forgotten. Two records that name one file, in two cases, are one file.
    std::string sameFile = plugin;
    CharUpperA(sameFile.data());
    ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, kFilesKey.c_str(), "filelocation.user_selected",
                          REG_SZ, sameFile.c_str(), static_cast<DWORD>(sameFile.size() + 1)),
              ERROR_SUCCESS);
    const std::string last = Uninstall(IDYES);
    EXPECT_EQ(last.find("could not be removed"), std::string::npos) << last;
    EXPECT_NE(last.find("\\\\tvl-server\\share\\"), std::string::npos) << last;
    EXPECT_TRUE(WaitUntil([] { return !Exists(kRoot); }, kPageTimeout));
    EXPECT_FALSE(Exists(plugin));
    EXPECT_FALSE(KeyExists(contract::kProductKey));
    RunUnixShell("rm -rf '" + share + "'");
}

// Anyone may start a copy of uninstall.exe with "/finish": a user's own copy in a folder the user
// made where the uninstaller's copies go, the installed uninstaller itself (the user's uninstall
// entry can say so), or a copy that inherits handles from a program that is not the installed
// uninstaller. None of them deletes or schedules anything.
TEST(HandOverCopy, OnlyTheInstalledUninstallersOwnHandOverActs) {
    const std::string mine = WindowsTempFolder() + "tarvelle-uninstall-mine\\";
    RemoveFromDriveC("windows/temp/tarvelle-uninstall-mine");
    RemoveFromDriveC("Program Files/Tarvelle");
    ASSERT_TRUE(CreateDirectoryA(mine.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(kRoot, nullptr));
    const std::string copy = mine + "uninstall.exe";
    const std::string installed = std::string(kRoot) + "uninstall.exe";
    const std::string payload = TVL_PAYLOAD_DIR "\\uninstall.exe";
    ASSERT_TRUE(CopyFileA(payload.c_str(), copy.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(payload.c_str(), installed.c_str(), FALSE));
    const std::vector<std::string> pending = PendingDeletions();

    EXPECT_EQ(RunAndWait("\"" + copy + "\" /finish 1 \"C:\\Program Files\\Tarvelle\""), 1u);
    EXPECT_EQ(RunAndWait("\"" + installed + "\" /finish 0 \"C:\\Program Files\\Tarvelle\""), 1u);
    // Real handles of the right kinds, and a process that ends at once but is not the installed
    // uninstaller.
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other{};
    std::string otherLine = "cmd.exe /c exit 0";
    ASSERT_TRUE(CreateProcessA(nullptr, otherLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &other));
    HANDLE process = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), other.hProcess, GetCurrentProcess(), &process,
                                SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, TRUE, 0));
    const DWORD access = DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
    HANDLE file = CreateFileA(installed.c_str(), access, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              &inherited, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE folder =
        CreateFileA(kRoot, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    &inherited, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ASSERT_NE(folder, INVALID_HANDLE_VALUE);
    const auto number = [](HANDLE handle) {
        return std::to_string(reinterpret_cast<std::uintptr_t>(handle));
    };
    std::string line = "\"" + copy + "\" /finish " + std::to_string(other.dwProcessId) + " " +
                       number(process) + " " + number(file) + " " + number(folder);
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &info));
    DWORD code = 9998;
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 60000), WAIT_OBJECT_0);
    GetExitCodeProcess(info.hProcess, &code);
    EXPECT_EQ(code, 1u);
    for (HANDLE handle :
         {info.hProcess, info.hThread, other.hProcess, other.hThread, file, folder}) {
        CloseHandle(handle);
    }

    EXPECT_EQ(FileBytes(installed), Payload("uninstall.exe"));
    EXPECT_EQ(PendingDeletions(), pending) << "a copy scheduled a deletion";
    RemoveFromDriveC("windows/temp/tarvelle-uninstall-mine");
    RemoveFromDriveC("Program Files/Tarvelle");
}

// Run by tests/e2e/unprivileged_uninstall_check only, as a Unix user who may not change the
// folder root made for the installed files: a user without administrator rights, as Windows
// would have it.
TEST(UnprivilegedUser, DISABLED_UninstallerRemovesNothingAndAsksForAnAdministrator) {
    const std::string message = RunUninstaller(std::string(kRoot) + "uninstall.exe");
    EXPECT_NE(message.find("administrator rights"), std::string::npos) << message;
    EXPECT_NE(message.find("Nothing has been removed."), std::string::npos) << message;
    EXPECT_TRUE(Exists(std::string(kRoot) + "TarvelleShell.exe"));
    EXPECT_TRUE(Exists(std::string(kRoot) + "presets\\PigmoraPresets.ini"));
    EXPECT_TRUE(KeyExists((std::string(contract::kFilesKey) + contract::kShellComponent).c_str()));
    EXPECT_TRUE(KeyExists(contract::kUninstallKey));
}

}  // namespace
}  // namespace e2e
