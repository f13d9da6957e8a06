// tests/e2e/search_test.cpp
// The licence and choice pages and the host search of the real installer.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "resources/resource.h"
#include "tests/e2e/wizard_steps.h"

namespace e2e {
namespace {

using SearchScenario = WizardScenario;

TEST_F(SearchScenario, LicencePageNeedsAgreementAndShowsPayload140) {
    Start();
    HWND license = PassWelcome();
    ASSERT_NE(license, nullptr) << "no licence page after the welcome page";
    EXPECT_NE(GetWindowLongA(license, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_TRUE(ButtonChecked(license, IDC_DISAGREE));
    EXPECT_FALSE(ButtonChecked(license, IDC_AGREE));
    EXPECT_FALSE(ControlEnabled(license, IDOK));
    EXPECT_TRUE(ControlEnabled(license, IDCANCEL));
    EXPECT_EQ(ControlText(license, IDC_AGREE), "I &Agree");
    EXPECT_EQ(ControlText(license, IDC_DISAGREE), "I &Disagree");
    EXPECT_NE(ControlStyle(license, IDC_LICENSE_TEXT) & ES_READONLY, 0);

    std::ifstream file(TVL_LICENSE_FILE, std::ios::binary);
    const std::string stored((std::istreambuf_iterator<char>(file)), {});
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(ControlText(license, IDC_LICENSE_TEXT), stored);

    ASSERT_TRUE(Click(license, IDC_AGREE));
    EXPECT_TRUE(WaitUntil([&] { return ControlEnabled(license, IDOK); }));
    ASSERT_TRUE(Click(license, IDC_DISAGREE));
    EXPECT_TRUE(WaitUntil([&] { return !ControlEnabled(license, IDOK); }));
    ASSERT_TRUE(Click(license, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit());
}

TEST_F(SearchScenario, ChoicePageOffersBothToAnAdministrator) {
    Start();
    HWND license = PassWelcome();
    ASSERT_NE(license, nullptr);
    ASSERT_TRUE(Click(license, IDC_AGREE));
    ASSERT_TRUE(WaitUntil([&] { return ControlEnabled(license, IDOK); }));
    ASSERT_TRUE(Click(license, IDOK));
    HWND choice = WaitForPageWithControl(*installer, IDC_SEARCH_HOSTS);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(ControlText(choice, IDC_INSTALL_SHELL), "&Install Tarvelle Shell (standalone app)");
    EXPECT_EQ(ControlText(choice, IDC_SEARCH_HOSTS), "&Search for plugin host applications");
    EXPECT_TRUE(ButtonChecked(choice, IDC_INSTALL_SHELL));
    EXPECT_TRUE(ButtonChecked(choice, IDC_SEARCH_HOSTS));
    EXPECT_TRUE(ControlEnabled(choice, IDC_SEARCH_HOSTS));
    EXPECT_NE(GetWindowLongA(choice, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    ASSERT_TRUE(Click(choice, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit());
}

TEST_F(SearchScenario, HostThreeLevelsBelowProgramFilesIsFoundWithoutAQuestion) {
    ProgramFilesTree tree("tvl-e2e-found");
    ASSERT_TRUE(tree.Make("'Adobe Photoshop CS'/Plug-Ins"));
    Start();
    ASSERT_TRUE(StartSearch());
    HWND selection = nullptr;
    bool asked = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            asked = WaitForWindow(*installer, "#32770", "TarvelleSetup", 0ms) != nullptr;
            selection = WaitForPageWithControl(*installer, IDC_HOST_LIST, 0ms);
            return asked || selection != nullptr;
        },
        kSearchTimeout));
    ASSERT_FALSE(asked) << "the Photoshop plug-in folder was not found";
    const std::vector<ListLine> lines = ListLines(selection, IDC_HOST_LIST);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "Photoshop");
    ASSERT_TRUE(Click(selection, IDCANCEL));
    EXPECT_TRUE(installer->WaitForExit());
}

TEST_F(SearchScenario, DeepHostIsMissedThenTheDriveSearchCanBeCancelled) {
    ProgramFilesTree tree("tvl-e2e-deep");
    ASSERT_TRUE(tree.Make("a/b/Photoshop/Plug-Ins"));
    // Tens of thousands of directories on F:, so that the walk is still going when Cancel comes;
    // gone when the scenario ends, however it ends, since they would slow every later search.
    struct RemovedAtTheEnd {
        ~RemovedAtTheEnd() { RunUnixShell("rm -rf '" TVL_TEST_DRIVE_F "'/big"); }
    } bigTree;
    ASSERT_TRUE(RunUnixShell("cd '" TVL_TEST_DRIVE_F "' && rm -rf big && mkdir big && cd big && "
                             "for a in {0..29}; do mkdir -p $a/{0..29}/{0..39} || exit 1; done"));
    Start();
    ASSERT_TRUE(StartSearch());

    const MessageBoxWindow question =
        WaitForMessageBox(*installer, "TarvelleSetup", kSearchTimeout);
    ASSERT_NE(question.window, nullptr) << "a host five levels down must not be found";
    EXPECT_EQ(question.text, kQuestion);
    // The question holds the searching page behind it: no Cancel there can start a second
    // question behind the first.
    HWND searching = WaitForPageWithControl(*installer, IDC_SEARCH_PROGRESS);
    ASSERT_NE(searching, nullptr);
    EXPECT_EQ(GetWindow(question.window, GW_OWNER), searching);
    EXPECT_FALSE(IsWindowEnabled(searching)) << "the page behind the question takes input";
    ASSERT_TRUE(Click(question.window, IDYES));
    ASSERT_TRUE(WaitUntilGone(question.window));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(searching) != FALSE; }));

    EXPECT_FALSE(ControlEnabled(searching, IDOK)) << "Continue stays disabled while searching";
    EXPECT_EQ(GetWindowLongA(searching, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    ASSERT_TRUE(
        WaitUntil([&] { return ControlText(searching, IDC_SEARCH_PROGRESS).rfind("F:\\", 0) == 0; },
                  kSearchTimeout))
        << "the fixed drive F: was not searched";

    ASSERT_TRUE(Click(searching, IDCANCEL));
    MessageBoxWindow confirm = WaitForMessageBox(*installer, "TarvelleSetup");
    ASSERT_NE(confirm.window, nullptr) << "Cancel did not ask for confirmation";
    EXPECT_EQ(confirm.text, "Are you sure you want to quit?");
    EXPECT_EQ(GetWindow(confirm.window, GW_OWNER), searching);
    const std::string before = ControlText(searching, IDC_SEARCH_PROGRESS);
    ASSERT_TRUE(Click(confirm.window, IDNO));
    ASSERT_TRUE(WaitUntilGone(confirm.window));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(searching, IDC_SEARCH_PROGRESS) != before; }))
        << "the search did not go on after No";

    ASSERT_TRUE(Click(searching, IDCANCEL));
    confirm = WaitForMessageBox(*installer, "TarvelleSetup");
    ASSERT_NE(confirm.window, nullptr);
    ASSERT_TRUE(Click(confirm.window, IDYES));
    ASSERT_TRUE(WaitUntilGone(confirm.window));
    EXPECT_TRUE(EndsWithoutAQuestion()) << "Yes must end the run without a closing page";
    // A click on Cancel that was on its way when the question came reaches the page behind it
    // all the same: the quit confirmed then ends the run, whatever the answer to the question.
    const std::set<std::string> programFiles = FolderSnapshot("C:\\Program Files");
    Start();
    ASSERT_TRUE(StartSearch());
    const MessageBoxWindow again = WaitForMessageBox(*installer, "TarvelleSetup", kSearchTimeout);
    ASSERT_NE(again.window, nullptr);
    searching = WaitForPageWithControl(*installer, IDC_SEARCH_PROGRESS);
    ASSERT_NE(searching, nullptr);
    PostMessageA(searching, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(searching, IDCANCEL)));
    HWND quit = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        quit = FindWindowExA(nullptr, nullptr, "#32770", "TarvelleSetup");
        while (quit != nullptr && GetWindow(quit, GW_OWNER) != again.window) {
            quit = FindWindowExA(nullptr, quit, "#32770", "TarvelleSetup");
        }
        return quit != nullptr;
    })) << "the confirmation is not in front of the question";
    EXPECT_EQ(ControlText(quit, 0xFFFF), "Are you sure you want to quit?");
    ASSERT_TRUE(Click(quit, IDYES));
    ASSERT_TRUE(WaitUntilGone(quit));
    ASSERT_TRUE(Click(again.window, IDNO));
    ASSERT_TRUE(WaitUntilGone(again.window));
    EXPECT_TRUE(EndsWithoutAQuestion()) << "the quit was confirmed: no summary, no closing page";
    EXPECT_EQ(FolderSnapshot("C:\\Program Files"), programFiles) << "something was installed";
}

}  // namespace
}  // namespace e2e
