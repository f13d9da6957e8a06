// tests/e2e/install_test.cpp
// Whole runs of the real installer into the test prefix: what it writes, and what it leaves
// alone when a file cannot be written or the user cancels.
#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <fstream>

#include "tests/e2e/install_steps.h"

namespace e2e {
namespace {

struct Link {
    std::string target;
    std::string description;
};

Link ReadLink(const std::string& path) {
    Link link{"<unreadable>", ""};
    CoInitialize(nullptr);
    IShellLinkA* shell = nullptr;
    IPersistFile* file = nullptr;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shell))) &&
        SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide, STGM_READ))) {
        char target[MAX_PATH] = {};
        char description[MAX_PATH] = {};
        shell->GetPath(target, MAX_PATH, nullptr, 0);
        shell->GetDescription(description, MAX_PATH);
        link = {target, description};
    }
    if (file != nullptr) {
        file->Release();
    }
    if (shell != nullptr) {
        shell->Release();
    }
    CoUninitialize();
    return link;
}

TEST_F(InstallScenario, FullRunInstallsEveryFileValueAndShortcut) {
    ProgramFilesTree tree("tvl-e2e-install");
    ASSERT_TRUE(tree.Make("'Photoshop 7'/Plug-Ins"));
    Start();
    HWND summary = ReachSummary();
    ASSERT_NE(summary, nullptr);
    EXPECT_NE(ControlText(summary, IDC_PAGE_TEXT)
                  .find(".    TarvelleShell app with plugin\n.    plugin for Photoshop\n\n"),
              std::string::npos);
    ASSERT_TRUE(Click(summary, IDOK));
    HWND thanks = WaitForPageWithText(kThankYou);
    ASSERT_NE(thanks, nullptr) << "the run did not end on the thank-you page";
    EXPECT_EQ(ControlText(thanks, IDOK), "OK");
    EXPECT_FALSE(ControlVisible(thanks, IDCANCEL));
    ASSERT_TRUE(Click(thanks, IDOK));
    EXPECT_TRUE(installer->WaitForExit());

    const std::string root = kRoot;
    const std::string plugin = Payload("Tarvelle_Pigmora_Demo.dll");
    EXPECT_EQ(FileBytes(root + "TarvelleShell.exe"), Payload("TarvelleShell.exe"));
    EXPECT_EQ(FileBytes(root + "uninstall.exe"), Payload("uninstall.exe"));
    EXPECT_EQ(FileBytes(root + "plugins\\Tarvelle_Pigmora_Demo.tvplg"), plugin);
    EXPECT_EQ(FileBytes(root + "presets\\PigmoraPresets.ini"), Payload("PigmoraPresets.ini"));
    const std::string hostFile =
        "c:\\program files\\tvl-e2e-install\\photoshop 7\\plug-ins\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    EXPECT_EQ(FileBytes(hostFile), plugin);

    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop"), hostFile);
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.tarvelleshell"),
              root + "plugins\\Tarvelle_Pigmora_Demo.tvplg");
    EXPECT_EQ(RegistryString(kShellKey, "filelocation.tarvelleshell"), root + "TarvelleShell.exe");
    EXPECT_EQ(RegistryString(kUninstallKey, "UninstallString"), "\"" + root + "uninstall.exe\"");
    EXPECT_EQ(RegistryString(kUninstallKey, "DisplayName"), "Tarvelle Uninstall Manager");
    EXPECT_EQ(RegistryString(kUninstallKey, "DisplayVersion"), "1.0");
    EXPECT_EQ(RegistryString(kUninstallKey, "Publisher"), "Tarvelle");
    EXPECT_EQ(RegistryString(kUninstallKey, "InstallLocation"), root);
    EXPECT_EQ(RegistryString(kUninstallKey, "URLInfoAbout"), "https://www.tarvelle.example/");
    for (const char* flag : {"NoModify", "NoRepair"}) {
        DWORD type = 0;
        std::string data;
        ASSERT_TRUE(RegistryValue(kUninstallKey, flag, type, data)) << flag;
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(data, std::string("\x01\0\0\0", 4));
    }

    const Link desktop = ReadLink(Folder(CSIDL_COMMON_DESKTOPDIRECTORY) + "Tarvelle Shell.lnk");
    EXPECT_EQ(desktop.target, root + "TarvelleShell.exe");
    EXPECT_EQ(desktop.description, "Tarvelle Shell Image Editor");
    const Link menu = ReadLink(Folder(CSIDL_COMMON_STARTMENU) + "Programs\\Tarvelle Shell.lnk");
    EXPECT_EQ(menu.target, root + "TarvelleShell.exe");
    EXPECT_EQ(menu.description, "Tarvelle Shell");
}

TEST_F(InstallScenario, HostFileHeldOpenEndsOnTheErrorPageAndKeepsItsContent) {
    ProgramFilesTree tree("tvl-e2e-held");
    ASSERT_TRUE(tree.Make("Photoshop/Plug-Ins/tvl"));
    const std::string hostFile =
        "C:\\Program Files\\tvl-e2e-held\\Photoshop\\Plug-Ins\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    {
        std::ofstream old(hostFile, std::ios::binary);
        old << "the plug-in the host has loaded";
    }
    HANDLE held = CreateFileA(hostFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Start();
    HWND summary = ReachSummary();
    ASSERT_NE(summary, nullptr);
    ASSERT_TRUE(Click(summary, IDOK));
    const std::string recorded =
        "c:\\program files\\tvl-e2e-held\\photoshop\\plug-ins\\tvl\\Tarvelle_Pigmora_Demo.8bf";
    const MessageBoxWindow box = WaitForMessageBox(*installer, "TarvelleSetup");
    ASSERT_NE(box.window, nullptr) << "no message for the file that could not be written";
    EXPECT_EQ(box.text, "Error writing file '" + recorded +
                            "'.\nMake sure the host application is not running and retry the "
                            "installation.");
    ASSERT_TRUE(Click(box.window, IDOK));
    HWND errorPage = WaitForPageWithText("An error occurred during installation");
    ASSERT_NE(errorPage, nullptr);
    EXPECT_EQ(ControlText(errorPage, IDC_PAGE_TEXT),
              "An error occurred during installation of one or more components.\n\nPlease "
              "contact technical support at https://www.tarvelle.example/support or email "
              "support@tarvelle.example for more information.\n\nerrors:\n\nError writing file " +
                  recorded);
    ASSERT_TRUE(Click(errorPage, IDOK));
    EXPECT_TRUE(installer->WaitForExit());
    CloseHandle(held);
    EXPECT_EQ(FileBytes(hostFile), "the plug-in the host has loaded");
    EXPECT_EQ(FileBytes(std::string(kRoot) + "TarvelleShell.exe"), Payload("TarvelleShell.exe"))
        << "the other components are still installed";
}

TEST_F(InstallScenario, CancelOnTheSummaryWritesNothing) {
    ProgramFilesTree tree("tvl-e2e-cancel");
    ASSERT_TRUE(tree.Make("Photoshop/Plug-Ins"));
    const auto before = FolderSnapshot("C:\\Program Files");
    Start();
    HWND summary = ReachSummary();
    ASSERT_NE(summary, nullptr);
    ASSERT_TRUE(Click(summary, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit());
    EXPECT_EQ(FolderSnapshot("C:\\Program Files"), before);
    EXPECT_EQ(RegistryString(kFilesKey, "filelocation.photoshop"), "<missing>");
    EXPECT_EQ(RegistryString(kUninstallKey, "UninstallString"), "<missing>");
    EXPECT_EQ(FileBytes(Folder(CSIDL_COMMON_DESKTOPDIRECTORY) + "Tarvelle Shell.lnk"), "<missing>");
}

}  // namespace
}  // namespace e2e
