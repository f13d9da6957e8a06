// tests/e2e/host_selection_test.cpp
// Choosing the hosts on the real pages: the check list, Options and the directory dialog, and
// the no-host page.
#include <gtest/gtest.h>

#include <algorithm>

#include <set>
#include <string>
#include <utility>

#include "tests/e2e/wizard_steps.h"

namespace e2e {
namespace {

const char kUserSelected[] = "user selected plugin file location";

bool Ticked(const ListLine& line) {
    return (line.data & 1) != 0;
}

class HostSelectionScenario : public WizardScenario {
protected:
    HWND OpenSelectionPage() {
        return StartSearch() ? WaitForPageWithControl(*installer, IDC_HOST_LIST, kSearchTimeout)
                             : nullptr;
    }
};

TEST_F(HostSelectionScenario, FoundHostsAreTickedAndEachLineEditsItsOwnDirectory) {
    ProgramFilesTree tree("tvl-e2e-select");
    ASSERT_TRUE(tree.Make("'Photoshop 6'/Plug-Ins"));
    ASSERT_TRUE(tree.Make("'Photoshop 7'/Plug-Ins"));
    ASSERT_TRUE(tree.Make("Jasc/'Paint Shop Pro 9'/Plugins"));
    Start();
    HWND page = OpenSelectionPage();
    ASSERT_NE(page, nullptr) << "the host selection page did not appear";
    EXPECT_EQ(ControlText(page, IDC_PAGE_TEXT),
              "Select the host image editing packages to install Tarvelle Pigmora Demo for:");
    EXPECT_NE(GetWindowLongA(page, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    const std::vector<ListLine> lines = ListLines(page, IDC_HOST_LIST);
    ASSERT_EQ(lines.size(), 4u);
    std::multiset<std::string> found;
    for (std::size_t i = 0; i < 3; ++i) {
        found.insert(lines[i].text);
        EXPECT_TRUE(Ticked(lines[i])) << lines[i].text;
    }
    EXPECT_EQ(found, (std::multiset<std::string>{"Paint Shop Pro", "Photoshop", "Photoshop"}));
    EXPECT_EQ(lines[3].text, kUserSelected);
    EXPECT_FALSE(Ticked(lines[3]));
    EXPECT_FALSE(ControlEnabled(page, IDC_HOST_OPTIONS)) << "no line is selected yet";

    // Options on each Photoshop line shows its own directory.
    std::set<std::string> directories;
    for (int line = 0; line < 3; ++line) {
        if (lines[static_cast<std::size_t>(line)].text != "Photoshop") {
            continue;
        }
        ASSERT_TRUE(SelectLine(page, line));
        ASSERT_TRUE(WaitUntil([&] { return ControlEnabled(page, IDC_HOST_OPTIONS); }));
        HWND dialog = OpenOptions(page);
        ASSERT_NE(dialog, nullptr) << "Options did not open the directory dialog";
        EXPECT_EQ(ControlText(dialog, IDC_APPLICATION_NAME), "Photoshop");
        directories.insert(ControlText(dialog, IDC_PLUGIN_DIRECTORY));
        ASSERT_TRUE(Click(dialog, IDCANCEL));
        ASSERT_TRUE(WaitUntilGone(dialog));
    }
    EXPECT_EQ(directories.size(), 2u);
    for (const std::string& directory : directories) {
        EXPECT_NE(directory.find("\\plug-ins\\tvl\\"), std::string::npos) << directory;
    }

    // A click on a line's box toggles it.
    HWND list = GetDlgItem(page, IDC_HOST_LIST);
    ASSERT_TRUE(ClickUntil(page, ListLinePoint(page, IDC_HOST_LIST, 3, 6), [&] {
        return (SendMessageA(list, LB_GETITEMDATA, 3, 0) & 1) != 0;
    })) << "the box of the user selected line did not tick";
    ASSERT_TRUE(ClickUntil(page, ListLinePoint(page, IDC_HOST_LIST, 0, 6),
                           [&] { return (SendMessageA(list, LB_GETITEMDATA, 0, 0) & 1) == 0; }));
    ASSERT_TRUE(Click(page, IDOK));
    HWND summary = WaitForPageWithText(kSummaryStart);
    ASSERT_NE(summary, nullptr) << "Continue did not lead on to the summary";
    const std::string text = ControlText(summary, IDC_PAGE_TEXT);
    EXPECT_NE(text.find(".    plugin for user selected plugin location\n"), std::string::npos)
        << text;
    EXPECT_EQ(CountOf(text, ".    plugin for "), 3u) << "one found host was unticked: " << text;
    ASSERT_TRUE(Click(summary, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit());
}

// The state changes the installer announces to screen readers, as an accessibility tool in
// another process hears them.
std::vector<LONG> announcedChildren;
HWND announcedWindow = nullptr;

void CALLBACK HearStateChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                              DWORD) {
    if (object == OBJID_CLIENT && window == announcedWindow) {
        announcedChildren.push_back(child);
    }
}

// Every page by keyboard alone: Enter, the mnemonics, Tab, Space on the list before any line
// was clicked, and Escape.
TEST_F(HostSelectionScenario, EveryPageAnswersTheKeyboardAlone) {
    ProgramFilesTree tree("tvl-e2e-keys");
    ASSERT_TRUE(tree.Make("'Photoshop 7'/Plug-Ins"));
    Start();
    HWND welcome = WaitForPageWithControl(*installer, IDC_PAGE_TEXT);
    ASSERT_NE(welcome, nullptr);
    ASSERT_TRUE(PressKey(welcome, VK_RETURN));
    HWND license = WaitForPageWithControl(*installer, IDC_AGREE);
    ASSERT_NE(license, nullptr) << "Enter did not continue from the welcome page";
    ASSERT_TRUE(PressChord(license, VK_MENU, 'A'));
    ASSERT_TRUE(WaitUntil([&] { return ButtonChecked(license, IDC_AGREE); })) << "Alt+A";
    ASSERT_TRUE(PressKey(license, VK_RETURN));
    HWND choice = WaitForPageWithControl(*installer, IDC_SEARCH_HOSTS);
    ASSERT_NE(choice, nullptr);
    ASSERT_TRUE(PressChord(choice, VK_MENU, 'I'));
    ASSERT_TRUE(WaitUntil([&] { return !ButtonChecked(choice, IDC_INSTALL_SHELL); })) << "Alt+I";
    ASSERT_TRUE(PressKey(choice, VK_RETURN));
    HWND notice = WaitForPage(*installer, IDC_PAGE_TEXT, kNotice);
    ASSERT_NE(notice, nullptr);
    ASSERT_TRUE(PressKey(notice, VK_RETURN));
    HWND page = WaitForPageWithControl(*installer, IDC_HOST_LIST, kSearchTimeout);
    ASSERT_NE(page, nullptr);
    HWND list = GetDlgItem(page, IDC_HOST_LIST);
    for (int tab = 0; tab < 6 && FocusedControl(page) != list; ++tab) {
        ASSERT_TRUE(PressKey(page, VK_TAB));
        WaitUntil([&] { return FocusedControl(page) == list; }, 500ms);
    }
    ASSERT_EQ(FocusedControl(page), list) << "Tab never reached the host list";
    ASSERT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR) << "no line was selected";
    announcedWindow = list;
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr,
                        &HearStateChange, installer->Id(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(PressKey(page, VK_SPACE));
    ASSERT_TRUE(WaitUntil([&] { return (SendMessageA(list, LB_GETITEMDATA, 0, 0) & 1) == 0; }))
        << "Space did not untick the focused first line";
    EXPECT_TRUE(WaitUntil([] {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        return std::find(announcedChildren.begin(), announcedChildren.end(), 1) !=
               announcedChildren.end();
    })) << "the toggle of line 1 was not announced";
    UnhookWinEvent(hook);
    ASSERT_TRUE(PressKey(page, VK_RETURN));
    HWND summary = WaitForPageWithText(kSummaryStart);
    ASSERT_NE(summary, nullptr) << "Enter did not lead on to the summary";
    EXPECT_EQ(CountOf(ControlText(summary, IDC_PAGE_TEXT), ".    "), 0u)
        << "neither the shell nor the unticked host is to be installed";
    ASSERT_TRUE(PressKey(summary, VK_ESCAPE));
    EXPECT_TRUE(installer->WaitForExit()) << "Escape on the summary ends the run";
}

TEST_F(HostSelectionScenario, NothingTickedReachesASummaryWithoutHosts) {
    ProgramFilesTree tree("tvl-e2e-none");
    ASSERT_TRUE(tree.Make("Corel/Plugins"));
    Start();
    HWND page = OpenSelectionPage();
    ASSERT_NE(page, nullptr);
    HWND list = GetDlgItem(page, IDC_HOST_LIST);
    ASSERT_TRUE(ClickUntil(page, ListLinePoint(page, IDC_HOST_LIST, 0, 6),
                           [&] { return (SendMessageA(list, LB_GETITEMDATA, 0, 0) & 1) == 0; }));
    ASSERT_TRUE(Click(page, IDOK));
    HWND summary = WaitForPageWithText(kSummaryStart);
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(CountOf(ControlText(summary, IDC_PAGE_TEXT), "plugin for"), 0u);
    ASSERT_TRUE(Click(summary, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit());
}

TEST_F(HostSelectionScenario, DirectoryDialogRefusesAPartialPathAndTheBrowserCanBeCancelled) {
    ProgramFilesTree tree("tvl-e2e-dialog");
    ASSERT_TRUE(tree.Make("Corel/Plugins"));
    RemoveFromDriveC("tvl-e2e-dialog-via");
    RemoveFromDriveC("tvl-e2e-dialog-real");
    Start();
    HWND page = OpenSelectionPage();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(SelectLine(page, 0));
    HWND dialog = OpenOptions(page);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, IDC_APPLICATION_NAME), "Corel Products");
    const std::string stored = ControlText(dialog, IDC_PLUGIN_DIRECTORY);

    HWND edit = GetDlgItem(dialog, IDC_PLUGIN_DIRECTORY);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("plugins"));
    ASSERT_TRUE(Click(dialog, IDOK));
    const MessageBoxWindow refusal = WaitForMessageBox(*installer, "TarvelleSetup");
    ASSERT_NE(refusal.window, nullptr) << "a partial path was accepted";
    EXPECT_EQ(refusal.text,
              "Please enter the full path of a folder, for example C:\\Program "
              "Files\\Editor\\Plug-Ins\\");
    ASSERT_TRUE(Click(refusal.window, IDOK));
    ASSERT_TRUE(WaitUntilGone(refusal.window));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
    EXPECT_EQ(ControlText(dialog, IDC_PLUGIN_DIRECTORY), "plugins");
    // A name Windows keeps for a device, anywhere in the path, with or without an extension.
    for (const char* device : {"CON", "nul.txt"}) {
        const std::string typed = std::string("C:\\tvl-dev\\") + device + "\\Plug-Ins\\";
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
        ASSERT_TRUE(Click(dialog, IDOK));
        const MessageBoxWindow named = WaitForMessageBox(*installer, "TarvelleSetup");
        ASSERT_NE(named.window, nullptr) << typed << " was accepted";
        EXPECT_EQ(named.text, std::string("Windows keeps the name \"") + device +
                                  "\" for a device: a folder of that name could not be opened "
                                  "or removed again. Please choose another folder.");
        ASSERT_TRUE(Click(named.window, IDOK));
        ASSERT_TRUE(WaitUntilGone(named.window));
    }
    // Nothing typed, and names that Windows would change or refuse at the write: each refused
    // here, with its reason.
    const std::pair<const char*, std::string> refusals[] = {
        {"",
         "Please enter the full path of a folder, for example C:\\Program "
         "Files\\Editor\\Plug-Ins\\"},
        {"C:\\tvl-dot.\\Plug-Ins\\",
         "The folder name \"tvl-dot.\" ends with a dot or a space, which Windows drops from the "
         "names of folders. Please remove it or choose another folder."},
        {"C:/tvl-e2e/Plug-Ins /",
         "The folder name \"Plug-Ins \" ends with a dot or a space, which Windows drops from the "
         "names of folders. Please remove it or choose another folder."},
        {"C:\\tvl<e2e>\\Plug-Ins\\",
         "The folder name \"tvl<e2e>\" holds a character that Windows does not allow in names: a "
         "control character or one of \\ / : * ? \" < > |. Please choose another folder."},
    };
    for (const auto& [typed, reason] : refusals) {
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed));
        ASSERT_TRUE(Click(dialog, IDOK));
        const MessageBoxWindow refused = WaitForMessageBox(*installer, "TarvelleSetup");
        ASSERT_NE(refused.window, nullptr) << typed << " was accepted";
        EXPECT_EQ(refused.text, reason);
        EXPECT_EQ(GetWindow(refused.window, GW_OWNER), dialog);
        ASSERT_TRUE(Click(refused.window, IDOK));
        ASSERT_TRUE(WaitUntilGone(refused.window));
    }

    // The browser, cancelled, refills the edit box from the stored directory.
    ASSERT_TRUE(Click(dialog, IDC_CHANGE_DIRECTORY));
    HWND browser = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        browser = WaitForWindow(*installer, "#32770", nullptr, 0ms);
        return browser != nullptr && browser != dialog && browser != page;
    })) << "the folder browser did not open";
    ASSERT_TRUE(PressKey(browser, VK_ESCAPE));
    ASSERT_TRUE(WaitUntilGone(browser));
    EXPECT_EQ(ControlText(dialog, IDC_PLUGIN_DIRECTORY), stored);

    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("E:\\Typed\\Plug-Ins"));
    ASSERT_TRUE(Click(dialog, IDOK));
    ASSERT_TRUE(WaitUntilGone(dialog));
    ASSERT_TRUE(SelectLine(page, 0));
    dialog = OpenOptions(page);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, IDC_PLUGIN_DIRECTORY), "E:\\Typed\\Plug-Ins")
        << "the confirmed directory is stored in the record";
    ASSERT_TRUE(Click(dialog, IDCANCEL));
    ASSERT_TRUE(WaitUntilGone(dialog));

    // Slashes, "..", and a link the user made: what is stored is the folder they lead to.
    ASSERT_TRUE(RunUnixShell("cd '" + UnixPathOnDriveC("") +
                             "' && mkdir tvl-e2e-dialog-real && ln -s tvl-e2e-dialog-real "
                             "tvl-e2e-dialog-via"));
    ASSERT_TRUE(TypeDirectory(page, 1, "C:/tvl-e2e-dialog-via/Apps/../Plug-Ins/"));
    ASSERT_TRUE(SelectLine(page, 1));
    dialog = OpenOptions(page);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, IDC_PLUGIN_DIRECTORY), "C:\\tvl-e2e-dialog-real\\Plug-Ins\\");
    ASSERT_TRUE(Click(dialog, IDCANCEL));
    ASSERT_TRUE(WaitUntilGone(dialog));
    RemoveFromDriveC("tvl-e2e-dialog-via");
    RemoveFromDriveC("tvl-e2e-dialog-real");
    ASSERT_TRUE(Click(page, IDOK));
    HWND summary = WaitForPageWithText(kSummaryStart);
    ASSERT_NE(summary, nullptr) << "the typed directory did not reach the summary";
    EXPECT_NE(ControlText(summary, IDC_PAGE_TEXT).find(".    plugin for Corel Products\n"),
              std::string::npos);
    ASSERT_TRUE(Click(summary, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit());
}

TEST_F(HostSelectionScenario, NoHostPageOffersSkip) {
    RunUnixShell("rm -rf '" TVL_TEST_DRIVE_F "'/*");
    Start();
    ASSERT_TRUE(StartSearch());
    const MessageBoxWindow question =
        WaitForMessageBox(*installer, "TarvelleSetup", kSearchTimeout);
    ASSERT_NE(question.window, nullptr);
    ASSERT_TRUE(Click(question.window, IDYES));
    HWND page = WaitForPage(*installer, IDC_PAGE_TEXT,
                            "The installer has failed to find a host application that supports "
                            "Tarvelle Pigmora Demo.\n\nIf you would like to continue with the "
                            "installation, click 'Continue' to manually select a directory to "
                            "install the files to.\n\nTo find more info on standard plugin "
                            "directories for your host application, please consult the host "
                            "application's product documentation.",
                            kSearchTimeout);
    ASSERT_NE(page, nullptr) << "the no-host page did not appear";
    EXPECT_EQ(ControlText(page, IDCANCEL), "Skip");
    ASSERT_TRUE(Click(page, IDCANCEL));
    HWND summary = WaitForPageWithText(kSummaryStart);
    ASSERT_NE(summary, nullptr);
    EXPECT_NE(ControlText(summary, IDC_PAGE_TEXT).find(".    plugin for Unknown Host Application"),
              std::string::npos);
    ASSERT_TRUE(Click(summary, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit());
}

}  // namespace
}  // namespace e2e
