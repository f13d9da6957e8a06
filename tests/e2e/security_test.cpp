// tests/e2e/security_test.cpp
// What a downloaded installer owes its user before any page: it loads no library that someone
// left in the download folder (nor does the shell beside strangers' files), and its manifest asks
// for the rights and controls it needs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/e2e/planted_libraries.h"
#include "tests/e2e/wizard_steps.h"

namespace e2e {
namespace {

// The shell window's Open... button (payloads/shell/shell_window_win32.cpp).
const int kShellOpenButton = 103;

const char kDownloads[] = "C:\\tvl-downloads\\";

// A download folder holding a copy of one of our programs and the planted libraries.
class DownloadFolder {
public:
    explicit DownloadFolder(const std::string& program)
        : made_(Make()), planted_({kDownloads}), program_(kDownloads + FileName(program)) {
        copied_ = CopyFileA(program.c_str(), program_.c_str(), FALSE) != FALSE;
    }
    DownloadFolder(const DownloadFolder&) = delete;
    DownloadFolder& operator=(const DownloadFolder&) = delete;
    ~DownloadFolder() { RemoveFromDriveC("tvl-downloads"); }
    bool Ready() const { return made_ && copied_ && planted_.Ready(); }
    const std::string& ProgramPath() const { return program_; }
    std::string LoadedLibraries() const { return planted_.Loaded(); }

private:
    static bool Make() {
        RemoveFromDriveC("tvl-downloads");
        return CreateDirectoryA(kDownloads, nullptr) != FALSE;
    }
    static std::string FileName(const std::string& path) {
        return path.substr(path.find_last_of('\\') + 1);
    }

    bool made_;
    PlantedLibraries planted_;
    std::string program_;
    bool copied_ = false;
};

class LibrarySearch : public WizardScenario {
protected:
    // Runs the copy through the pages that load the most: welcome, licence, a message box.
    void RunThroughTheFirstPages(const DownloadFolder& folder) {
        StartProgram(folder.ProgramPath());
        HWND license = PassWelcome();
        ASSERT_NE(license, nullptr) << "the copy did not reach the licence page";
        ASSERT_TRUE(Click(license, IDC_AGREE));
        ASSERT_TRUE(WaitUntil([&] { return ControlEnabled(license, IDOK); }));
        ASSERT_TRUE(Click(license, IDOK));
        HWND choice = WaitForPageWithControl(*installer, IDC_SEARCH_HOSTS);
        ASSERT_NE(choice, nullptr);
        ASSERT_TRUE(Click(choice, IDCANCEL));
        EXPECT_TRUE(installer->WaitForExit());
    }
};

TEST_F(LibrarySearch, LibrariesPlantedBesideTheInstallerAreNeverLoaded) {
    DownloadFolder folder(TVL_INSTALLER_PATH);
    ASSERT_TRUE(folder.Ready());
    RunThroughTheFirstPages(folder);
    EXPECT_EQ(folder.LoadedLibraries(), "");
}

// The same folder with a build that does not limit its library search: the scenario sees the
// stranger load, so its silence above means something.
TEST_F(LibrarySearch, ABuildWithoutTheProtectionIsCaught) {
    DownloadFolder folder(TVL_UNPROTECTED_INSTALLER_PATH);
    ASSERT_TRUE(folder.Ready());
    RunThroughTheFirstPages(folder);
    const std::string loaded = folder.LoadedLibraries();
    EXPECT_NE(loaded, "");
    std::printf("loaded by the unprotected build: %s\n", loaded.c_str());
}

// A copy of the shell wherever the user put it, opening its file dialog, which loads much of the
// system.
TEST_F(LibrarySearch, LibrariesPlantedBesideTheShellAreNeverLoaded) {
    DownloadFolder folder(TVL_PAYLOAD_DIR "\\TarvelleShell.exe");
    ASSERT_TRUE(folder.Ready());
    InstallerProcess shell(folder.ProgramPath());
    HWND window = WaitForWindow(shell, "TarvelleShell", "Tarvelle Shell");
    ASSERT_NE(window, nullptr) << "the copy of the shell did not open its window; loaded: "
                               << folder.LoadedLibraries();
    ASSERT_TRUE(Click(window, kShellOpenButton));
    HWND open = WaitForWindow(shell, "#32770", "Open");
    ASSERT_NE(open, nullptr) << "no file dialog";
    ASSERT_TRUE(Click(open, IDCANCEL));
    ASSERT_TRUE(WaitUntilGone(open));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(shell.WaitForExit());
    EXPECT_EQ(folder.LoadedLibraries(), "");
}

// A resource as Windows reads it from a built file.
std::string EmbeddedResource(const std::string& file, const char* type, int id = 1) {
    HMODULE image = LoadLibraryExA(file.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (image == nullptr) {
        return "<unloadable>";
    }
    std::string bytes = "<missing>";
    HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(id), type);
    HGLOBAL loaded = found != nullptr ? LoadResource(image, found) : nullptr;
    if (loaded != nullptr) {
        bytes.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(image, found));
    }
    FreeLibrary(image);
    return bytes;
}

// UTF-8 as the code page of the "A" calls, which then hold any name (Windows 10 version 1903 on).
const char kUtf8CodePage[] =
    "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8"
    "</activeCodePage>";

std::string EmbeddedManifest(const std::string& file = TVL_INSTALLER_PATH) {
    return EmbeddedResource(file, MAKEINTRESOURCEA(24));
}

// A string of the version resource's English block, as Explorer shows it.
std::string VersionString(const std::string& file, const char* name) {
    DWORD unused = 0;
    std::string block(GetFileVersionInfoSizeA(file.c_str(), &unused), '\0');
    if (block.empty() ||
        !GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
        return "<no version>";
    }
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return "<missing>";
    }
    return value;
}

TEST(ShippedPrograms, CarryTheirManifestIconAndVersion) {
    const std::string payloads = TVL_PAYLOAD_DIR "\\";
    const struct {
        const char* file;
        const char* level;  // null: a library, no manifest of its own
    } shipped[] = {{"TarvelleShell.exe", "asInvoker"},
                   {"uninstall.exe", "requireAdministrator"},
                   {"Tarvelle_Pigmora_Demo.dll", nullptr}};
    for (const auto& program : shipped) {
        const std::string file = payloads + program.file;
        EXPECT_EQ(VersionString(file, "ProductVersion"),
                  VersionString(TVL_INSTALLER_PATH, "ProductVersion"))
            << file;
        EXPECT_EQ(VersionString(file, "CompanyName"), "Tarvelle") << file;
        if (program.level == nullptr) {
            continue;
        }
        const std::string manifest = EmbeddedManifest(file);
        EXPECT_NE(manifest.find(std::string("<requestedExecutionLevel level=\"") + program.level),
                  std::string::npos)
            << file << manifest;
        EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
        EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos) << file;
        EXPECT_NE(manifest.find(kUtf8CodePage), std::string::npos) << file;
        EXPECT_NE(EmbeddedResource(file, MAKEINTRESOURCEA(14), IDI_TARVELLE), "<missing>")
            << file << " has no icon";
    }
    EXPECT_EQ(VersionString(TVL_INSTALLER_PATH, "ProductVersion").find("<"), std::string::npos);
}

TEST(Manifest, AsksForTheHighestAvailableRightsAndCommonControls6) {
    const std::string manifest = EmbeddedManifest();
    // The installer's records must read back the same in the uninstaller: one code page for all.
    EXPECT_NE(manifest.find(kUtf8CodePage), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"highestAvailable\""),
              std::string::npos)
        << manifest;
    const std::size_t controls = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(controls, std::string::npos) << manifest;
    const std::size_t identityEnd = manifest.find("/>", controls);
    const std::size_t identityStart = manifest.rfind("<assemblyIdentity", controls);
    ASSERT_NE(identityStart, std::string::npos);
    const std::string identity = manifest.substr(identityStart, identityEnd - identityStart);
    EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string::npos) << identity;
    EXPECT_NE(identity.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos) << identity;
    EXPECT_NE(manifest.rfind("<dependentAssembly>", identityStart), std::string::npos);
}

}  // namespace
}  // namespace e2e
