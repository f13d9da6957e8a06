// tests/e2e/security_test.cpp
// What a downloaded installer owes its user before any page: it loads no library that someone
// left in the download folder, and its manifest asks for the rights and controls it needs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/wizard_steps.h"

namespace e2e {
namespace {

// Names of libraries that a Windows program loads by name after start-up, each one a place
// where a planted copy in the program's folder would be found first without protection.
const char* const kPlantedNames[] = {
    "version", "uxtheme", "dwmapi",   "cryptbase", "imm32",    "msimg32",       "comctl32",
    "dbghelp", "mpr",     "netapi32", "oleacc",    "profapi",  "propsys",       "secur32",
    "shcore",  "sspicli", "userenv",  "winmm",     "wtsapi32", "windowscodecs", "textshaping"};

const char kDownloads[] = "C:\\tvl-downloads\\";

// A download folder holding a copy of one installer build and the planted libraries; every
// planted name is forced to its native (planted) copy for the processes started meanwhile.
class DownloadFolder {
public:
    explicit DownloadFolder(const char* installer) {
        Remove();
        CreateDirectoryA(kDownloads, nullptr);
        ready_ = CopyFileA(installer, InstallerPath().c_str(), FALSE) != FALSE;
        std::string overrides;
        for (const char* name : kPlantedNames) {
            ready_ = ready_ &&
                     CopyFileA(TVL_PLANTED_LIBRARY_PATH,
                               (kDownloads + std::string(name) + ".dll").c_str(), FALSE) != FALSE;
            overrides += std::string(name) + ",";
        }
        overrides.back() = '=';
        overrides += "n,b;winemenubuilder.exe=d";
        char previous[1024] = {};
        hadOverrides_ = GetEnvironmentVariableA("WINEDLLOVERRIDES", previous, sizeof previous) > 0;
        previous_ = previous;
        SetEnvironmentVariableA("WINEDLLOVERRIDES", overrides.c_str());
    }
    ~DownloadFolder() {
        SetEnvironmentVariableA("WINEDLLOVERRIDES", hadOverrides_ ? previous_.c_str() : nullptr);
        Remove();
    }
    bool Ready() const { return ready_; }
    static std::string InstallerPath() { return std::string(kDownloads) + "TarvelleSetup.exe"; }

    // The planted libraries that some process loaded.
    static std::vector<std::string> LoadedLibraries() {
        std::vector<std::string> loaded;
        for (const char* name : kPlantedNames) {
            const std::string marker = kDownloads + std::string(name) + ".dll.loaded";
            if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
                loaded.push_back(name);
            }
        }
        return loaded;
    }

private:
    static void Remove() { RemoveFromDriveC("tvl-downloads"); }
    bool ready_ = false;
    bool hadOverrides_ = false;
    std::string previous_;
};

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += name + ".dll ";
    }
    return text;
}

class LibrarySearch : public WizardScenario {
protected:
    // Runs the copy through the pages that load the most: welcome, licence, a message box.
    void RunThroughTheFirstPages() {
        StartProgram(DownloadFolder::InstallerPath());
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
    RunThroughTheFirstPages();
    EXPECT_EQ(Joined(DownloadFolder::LoadedLibraries()), "");
}

// The same folder with a build that does not limit its library search: the scenario sees the
// stranger load, so its silence above means something.
TEST_F(LibrarySearch, ABuildWithoutTheProtectionIsCaught) {
    DownloadFolder folder(TVL_UNPROTECTED_INSTALLER_PATH);
    ASSERT_TRUE(folder.Ready());
    RunThroughTheFirstPages();
    const std::string loaded = Joined(DownloadFolder::LoadedLibraries());
    EXPECT_NE(loaded, "");
    std::printf("loaded by the unprotected build: %s\n", loaded.c_str());
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
        EXPECT_NE(EmbeddedResource(file, MAKEINTRESOURCEA(14), IDI_TARVELLE), "<missing>")
            << file << " has no icon";
    }
    EXPECT_EQ(VersionString(TVL_INSTALLER_PATH, "ProductVersion").find("<"), std::string::npos);
}

TEST(Manifest, AsksForTheHighestAvailableRightsAndCommonControls6) {
    const std::string manifest = EmbeddedManifest();
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
