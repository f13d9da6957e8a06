// tests/unit/install_plan_test.cpp
// The summary, the confirmation and the components, into folders and registry keys of the
// test's own under Wine.
#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "app/installer_session.h"
#include "install/shortcut.h"
#include "resources/install_contract.h"
#include "tests/unit/install_fixture.h"
#include "tests/unit/scripted_pages.h"

namespace {

using namespace install_test;

std::string RegistryString(const std::string& keyPath, const char* name) {
    char data[1024] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    if (SHGetValueA(HKEY_CURRENT_USER, keyPath.c_str(), name, &type, data, &size) !=
        ERROR_SUCCESS) {
        return "<missing>";
    }
    return type == REG_SZ ? std::string(data) : "<not a string>";
}

DWORD RegistryDword(const std::string& keyPath, const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (SHGetValueA(HKEY_CURRENT_USER, keyPath.c_str(), name, &type, &value, &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD) {
        return 0xFFFFFFFF;
    }
    return value;
}

const std::string kFilesKey = std::string(contract::kFilesKey) + contract::kPluginComponent;
const std::string kShellKey = std::string(contract::kFilesKey) + contract::kShellComponent;
const char* const kUninstallKey = contract::kUninstallKey;

class InstallPlanTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetRegistry(); }
    void TearDown() override { ForgetRegistry(); }
    static void ForgetRegistry() {
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tarvelle");
        SHDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
    }

    std::string Root() const { return programFiles + "\\Tarvelle\\"; }
    std::string Payload(const char* name) const {
        return ReadFileBytes(std::string(TVL_PAYLOAD_DIR "\\") + name);
    }
    void AddFound(const char* name, const std::string& directory, const char* key,
                  bool install = true) {
        AddHost(session.hosts, name, Text(directory), key);
        session.hosts.back().install = install;
    }
    void RunInstall(std::initializer_list<int> answers) {
        pages.answers = answers;
        session.runState = RunState::ReadyToInstall;
        session.Install();
    }

    TempTree tree{"tvl-install"};
    TestFoldersScope folders{tree};
    ScriptedPages pages;
    InstallerSession session{pages};
};

TEST_F(InstallPlanTest, CancelOnTheSummaryWritesNothing) {
    session.installShell = true;
    AddFound("Photoshop", tree.Path("ps\\plug-ins\\tvl\\"), "photoshop");
    RunInstall({kPageCancel});
    EXPECT_EQ(session.runState, RunState::Stopped);
    EXPECT_EQ(EntryCount(programFiles), 0);
    EXPECT_EQ(EntryCount(tree.Path("ps")), -1);
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop"), "<missing>");
}

TEST_F(InstallPlanTest, NothingChosenInstallsThePresetsAlone) {
    AddFound("Photoshop", tree.Path("ps\\"), "photoshop", false);
    RunInstall({kPageOk});
    EXPECT_EQ(pages.shown.at(0).text,
              "The installer has all the info it needs to install Tarvelle Pigmora Demo for the "
              "following:\n\n\nClick 'Continue' to copy the installation files now or 'Cancel' "
              "to stop the installation.");
    EXPECT_EQ(session.runState, RunState::Succeeded);
    EXPECT_EQ(ReadFileBytes(Root() + "presets\\PigmoraPresets.ini"), Payload("PigmoraPresets.ini"));
    EXPECT_EQ(EntryCount(Root()), 1);
    EXPECT_EQ(EntryCount(tree.Path("ps")), -1) << "an unticked host is not installed";
}

TEST_F(InstallPlanTest, ShellAndHostInstallEveryFileValueAndShortcut) {
    session.installShell = true;
    AddFound("Photoshop", tree.Path("ps\\plug-ins\\tvl\\"), "photoshop");
    AddFound("Corel Products", tree.Path("corel\\"), "corel", false);
    RunInstall({kPageOk});
    EXPECT_EQ(pages.shown.at(0).text,
              "The installer has all the info it needs to install Tarvelle Pigmora Demo for the "
              "following:\n\n.    TarvelleShell app with plugin\n.    plugin for Photoshop\n\n"
              "Click 'Continue' to copy the installation files now or 'Cancel' to stop the "
              "installation.");
    ASSERT_EQ(session.runState, RunState::Succeeded) << session.errors.Bytes();
    EXPECT_EQ(ReadFileBytes(Root() + "TarvelleShell.exe"), Payload("TarvelleShell.exe"));
    EXPECT_EQ(ReadFileBytes(Root() + "uninstall.exe"), Payload("uninstall.exe"));
    const std::string plugin = Payload("Tarvelle_Pigmora_Demo.dll");
    EXPECT_EQ(ReadFileBytes(Root() + "plugins\\Tarvelle_Pigmora_Demo.tvplg"), plugin);
    const std::string hostFile = tree.Path("ps\\plug-ins\\tvl\\Tarvelle_Pigmora_Demo.8bf");
    EXPECT_EQ(ReadFileBytes(hostFile), plugin);
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop"), hostFile);
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.tarvelleshell"),
              Root() + "plugins\\Tarvelle_Pigmora_Demo.tvplg");
    EXPECT_EQ(RegistryString(kShellKey, "filelocation.tarvelleshell"),
              Root() + "TarvelleShell.exe");
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.corel"), "<missing>");
    EXPECT_EQ(RegistryString(kUninstallKey, "UninstallString"), "\"" + Root() + "uninstall.exe\"");
    EXPECT_EQ(RegistryString(kUninstallKey, "DisplayName"), "Tarvelle Uninstall Manager");
    EXPECT_EQ(RegistryString(kUninstallKey, "DisplayVersion"), "1.0");
    EXPECT_EQ(RegistryString(kUninstallKey, "Publisher"), "Tarvelle");
    EXPECT_EQ(RegistryString(kUninstallKey, "InstallLocation"), Root());
    EXPECT_EQ(RegistryString(kUninstallKey, "URLInfoAbout"), "https://www.tarvelle.example/");
    EXPECT_EQ(RegistryDword(kUninstallKey, "NoModify"), 1u);
    EXPECT_EQ(RegistryDword(kUninstallKey, "NoRepair"), 1u);
    EXPECT_NE(ReadFileBytes(desktop + "\\Tarvelle Shell.lnk"), "<missing>");
    EXPECT_NE(ReadFileBytes(startMenu + "\\Programs\\Tarvelle Shell.lnk"), "<missing>");
}

TEST_F(InstallPlanTest, ShellThatFailsSkipsItsPluginButNotThePresetsOrHosts) {
    session.installShell = true;
    AddFound("Photoshop", tree.Path("ps\\"), "photoshop");
    tree.Make("Program Files\\Tarvelle");
    HeldFile shell(Root() + "TarvelleShell.exe");
    RunInstall({kPageOk, kAnswerOk});
    EXPECT_EQ(session.runState, RunState::ComponentsFailed);
    EXPECT_EQ(session.errors, Text("\nError writing file " + Root() + "TarvelleShell.exe"));
    EXPECT_EQ(ReadFileBytes(Root() + "plugins\\Tarvelle_Pigmora_Demo.tvplg"), "<missing>");
    EXPECT_NE(ReadFileBytes(Root() + "presets\\PigmoraPresets.ini"), "<missing>");
    EXPECT_NE(ReadFileBytes(tree.Path("ps\\Tarvelle_Pigmora_Demo.8bf")), "<missing>");
    EXPECT_EQ(RegistryString(kUninstallKey, "UninstallString"), "<missing>");
}

TEST_F(InstallPlanTest, FirstOfTwoHostsHeldOpenStillInstallsTheSecond) {
    AddFound("Photoshop", tree.Path("one\\"), "photoshop");
    AddFound("Paint Shop Pro", tree.Path("two"), "paintshoppro");
    tree.Make("one");
    tree.MakeFile("one\\Tarvelle_Pigmora_Demo.8bf", "old");
    HeldFile first(tree.Path("one\\Tarvelle_Pigmora_Demo.8bf"));
    RunInstall({kPageOk, kAnswerOk});
    EXPECT_EQ(session.runState, RunState::ComponentsFailed);
    EXPECT_EQ(ReadFileBytes(tree.Path("one\\Tarvelle_Pigmora_Demo.8bf")), "old");
    EXPECT_EQ(ReadFileBytes(tree.Path("two\\Tarvelle_Pigmora_Demo.8bf")),
              Payload("Tarvelle_Pigmora_Demo.dll"))
        << "a directory without its final separator gets one";
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop"),
              tree.Path("one\\Tarvelle_Pigmora_Demo.8bf"))
        << "the location is recorded also after a failure";
    EXPECT_EQ(pages.shown.size(), 2u);
}

TEST_F(InstallPlanTest, PresetsThatFailMakeTheRunFail) {
    tree.Make("Program Files\\Tarvelle\\presets");
    HeldFile presets(Root() + "presets\\PigmoraPresets.ini");
    RunInstall({kPageOk, kAnswerOk});
    EXPECT_EQ(session.runState, RunState::ComponentsFailed);
}

TEST_F(InstallPlanTest, HostsOfOneKindKeepTheLaterPathAndRecordEveryEarlierCopy) {
    AddFound("Photoshop", tree.Path("ps6\\"), "photoshop");
    AddFound("Paint Shop Pro", tree.Path("psp\\"), "paintshoppro");
    AddFound("Photoshop", tree.Path("ps7\\"), "photoshop");
    AddFound("Photoshop", tree.Path("ps8\\"), "photoshop");
    RunInstall({kPageOk});
    EXPECT_EQ(session.runState, RunState::Succeeded);
    EXPECT_NE(ReadFileBytes(tree.Path("ps6\\Tarvelle_Pigmora_Demo.8bf")), "<missing>");
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop"),
              tree.Path("ps8\\Tarvelle_Pigmora_Demo.8bf"));
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop.1"),
              tree.Path("ps6\\Tarvelle_Pigmora_Demo.8bf"));
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop.2"),
              tree.Path("ps7\\Tarvelle_Pigmora_Demo.8bf"));
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.paintshoppro"),
              tree.Path("psp\\Tarvelle_Pigmora_Demo.8bf"));
}

TEST(ShortcutTest, LinkReadsBackWithAnAbsoluteTargetAndItsDescription) {
    TempTree tree("tvl-link");
    const std::string link = tree.Path("Tarvelle Shell.lnk");
    SetCurrentDirectoryA(tree.Root().c_str());
    ASSERT_TRUE(CreateShortcut(Text(link), "Tarvelle Shell Image Editor", "TarvelleShell.exe"));
    CoInitialize(nullptr);
    IShellLinkA* shell = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(&shell))));
    IPersistFile* file = nullptr;
    shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
    ASSERT_TRUE(SUCCEEDED(file->Load(wide, STGM_READ)));
    char target[MAX_PATH] = {};
    char description[MAX_PATH] = {};
    shell->GetPath(target, MAX_PATH, nullptr, 0);
    shell->GetDescription(description, MAX_PATH);
    file->Release();
    shell->Release();
    CoUninitialize();
    SetCurrentDirectoryA("C:\\");
    EXPECT_STREQ(target, tree.Path("TarvelleShell.exe").c_str());
    EXPECT_STREQ(description, "Tarvelle Shell Image Editor");
}

TEST(ShortcutTest, MissingFolderOrOverlongPathFails) {
    TempTree tree("tvl-link");
    EXPECT_FALSE(CreateShortcut(Text(tree.Path("no folder\\x.lnk")), "d", "C:\\x.exe"));
    const std::string longTarget = "C:\\" + std::string(300, 'l') + ".exe";
    EXPECT_FALSE(CreateShortcut(Text(tree.Path("x.lnk")), "d", Text(longTarget)));
    EXPECT_EQ(EntryCount(tree.Root()), 0);
}

}  // namespace
