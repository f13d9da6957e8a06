// tests/e2e/search_test.cpp
// The licence and choice pages and the host search of the real installer.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "resources/resource.h"
#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

const char kLicenseIntro[] =
    "Please read the following License Agreement and select 'I Agree' to continue "
    "installation:";
const char kNotice[] =
    "The installer will now search local hard drives for known host applications, this may "
    "take several minutes. Click 'Continue' to proceed.";
const char kQuestion[] =
    "no host applications were found in 'Program Files' directories, search hard drives?";
const char kWelcomeStart[] = "Welcome to the Tarvelle Installer.";

// A folder of the scenario's own below C:\Program Files, removed again afterwards.
class ProgramFilesTree {
public:
    explicit ProgramFilesTree(const std::string& name) : name_(name) { Remove(); }
    ~ProgramFilesTree() { Remove(); }
    bool Make(const std::string& relativeDirs) const {
        return RunUnixShell("cd \"" + UnixPathOnDriveC("Program Files") + "\" && mkdir -p " +
                            name_ + "/" + relativeDirs);
    }

private:
    void Remove() const {
        RunUnixShell("rm -rf \"" + UnixPathOnDriveC("Program Files") + "/" + name_ + "\"");
    }
    std::string name_;
};

class SearchScenario : public InstallerScenario {
protected:
    // Continue on the welcome page; the licence page that follows.
    HWND PassWelcome() {
        HWND welcome = WaitForPageWithControl(*installer, IDC_PAGE_TEXT);
        if (welcome == nullptr ||
            ControlText(welcome, IDC_PAGE_TEXT).rfind(kWelcomeStart, 0) != 0 ||
            !Click(welcome, IDOK)) {
            return nullptr;
        }
        return WaitForPage(*installer, IDC_PAGE_TEXT, kLicenseIntro);
    }

    // From the start to Continue on the search notice, agreeing and keeping both choices.
    bool StartSearch() {
        HWND license = PassWelcome();
        if (license == nullptr || !Click(license, IDC_AGREE) ||
            !WaitUntil([&] { return ControlEnabled(license, IDOK); }) || !Click(license, IDOK)) {
            return false;
        }
        HWND choice = WaitForPageWithControl(*installer, IDC_SEARCH_HOSTS);
        if (choice == nullptr || !Click(choice, IDOK)) {
            return false;
        }
        HWND notice = WaitForPage(*installer, IDC_PAGE_TEXT, kNotice);
        return notice != nullptr && Click(notice, IDOK);
    }

    // Waits for the process to end; false if a message box of it showed up first.
    bool EndsWithoutAQuestion() {
        bool asked = false;
        WaitUntil(
            [&] {
                asked = WaitForWindow(*installer, "#32770", "TarvelleSetup", 0ms) != nullptr;
                return asked || !installer->Running();
            },
            60s);
        return !asked && installer->WaitForExit(0ms);
    }
};

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
    EXPECT_TRUE(EndsWithoutAQuestion()) << "the Photoshop plug-in folder was not found";
}

TEST_F(SearchScenario, DeepHostIsMissedThenTheDriveSearchCanBeCancelled) {
    ProgramFilesTree tree("tvl-e2e-deep");
    ASSERT_TRUE(tree.Make("a/b/Photoshop/Plug-Ins"));
    // Tens of thousands of directories on F:, so that the walk is still going when Cancel comes.
    ASSERT_TRUE(RunUnixShell("rm -rf '" TVL_TEST_DRIVE_F "'/big && mkdir -p '" TVL_TEST_DRIVE_F
                             "'/big/{0..29}/{0..29}/{0..39}"));
    Start();
    ASSERT_TRUE(StartSearch());

    const MessageBoxWindow question = WaitForMessageBox(*installer, "TarvelleSetup", 60s);
    ASSERT_NE(question.window, nullptr) << "a host five levels down must not be found";
    EXPECT_EQ(question.text, kQuestion);
    ASSERT_TRUE(Click(question.window, IDYES));
    ASSERT_TRUE(WaitUntilGone(question.window));

    HWND searching = WaitForPageWithControl(*installer, IDC_SEARCH_PROGRESS);
    ASSERT_NE(searching, nullptr);
    EXPECT_FALSE(ControlEnabled(searching, IDOK)) << "Continue stays disabled while searching";
    EXPECT_EQ(GetWindowLongA(searching, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    ASSERT_TRUE(WaitUntil(
        [&] { return ControlText(searching, IDC_SEARCH_PROGRESS).rfind("F:\\", 0) == 0; }, 60s))
        << "the fixed drive F: was not searched";

    ASSERT_TRUE(Click(searching, IDCANCEL));
    MessageBoxWindow confirm = WaitForMessageBox(*installer, "TarvelleSetup");
    ASSERT_NE(confirm.window, nullptr) << "Cancel did not ask for confirmation";
    EXPECT_EQ(confirm.text, "Are you sure you want to quit?");
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
    RunUnixShell("rm -rf '" TVL_TEST_DRIVE_F "'/big");
}

}  // namespace
}  // namespace e2e
