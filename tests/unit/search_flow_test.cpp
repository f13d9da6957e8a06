// tests/unit/search_flow_test.cpp
// The opening pages and the host search through scripted pages, over real trees under Wine.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "app/installer_session.h"
#include "discovery/drive_table.h"
#include "support/special_folder.h"
#include "tests/unit/scripted_pages.h"
#include "tests/unit/temp_tree.h"

namespace {

using Strings = std::vector<std::string>;

std::string programFiles;
std::string programFilesX86;

bool FakeFolders(SpecialFolderId folderId, char (&path)[kFolderPathBytes]) {
    const std::string* found = folderId == kFolderProgramFiles      ? &programFiles
                               : folderId == kFolderProgramFilesX86 ? &programFilesX86
                                                                    : nullptr;
    if (found == nullptr || found->empty()) {
        return false;
    }
    std::memcpy(path, found->c_str(), found->size() + 1);
    return true;
}

// F:, G: and H: are fixed drives, C: a CD-ROM.
std::uint32_t ThreeFixedDrives() {
    return (1u << 2) | (1u << 5) | (1u << 6) | (1u << 7);
}
DriveKind DriveTypes(const char* root) {
    return root[0] == 'C' ? DriveKind::CdRom : DriveKind::Fixed;
}

class SearchFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        programFiles = tree.Make("Program Files");
        programFiles.pop_back();
        programFilesX86.clear();
        previousFolders_ = ReplaceFolderLookup(&FakeFolders);
        previousDrives_ = ReplaceDriveQueries({&ThreeFixedDrives, &DriveTypes});
        pages.rootFolders = {
            {"F:\\", tree.Make("F")}, {"G:\\", tree.Make("G")}, {"H:\\", tree.Make("H")}};
    }
    void TearDown() override {
        ReplaceFolderLookup(previousFolders_);
        ReplaceDriveQueries(previousDrives_);
    }

    // Runs SearchForHosts with the answers given.
    void Search(std::initializer_list<int> answers, bool administrator = true) {
        pages.answers = answers;
        InstallerSession session(pages);
        session.isAdministrator = administrator;
        session.SearchForHosts();
        state = session.runState;
        hosts = session.hosts;
        installShell = session.installShell;
        searchHosts = session.searchHosts;
        EXPECT_TRUE(pages.answers.empty()) << "the run showed fewer pages than scripted";
    }

    std::string Pf() const { return programFiles + "\\"; }

    TempTree tree{"tvl-flow"};
    ScriptedPages pages;
    RunState state = RunState::Begin;
    HostList hosts;
    bool installShell = false;
    bool searchHosts = false;

private:
    FolderLookup previousFolders_ = nullptr;
    DriveQueries previousDrives_{};
};

constexpr int Ok = kPageOk;
constexpr int Cancel = kPageCancel;
constexpr int Yes = kAnswerYes;
constexpr int No = kAnswerNo;

TEST_F(SearchFlowTest, RefusingAnyOpeningPageStopsBeforeTheSearch) {
    const Strings kinds = {"message", "license", "choice", "message"};
    for (std::size_t refused = 0; refused < kinds.size(); ++refused) {
        ScriptedPages fresh;
        fresh.answers.assign(refused, Ok);
        fresh.answers.push_back(Cancel);
        InstallerSession session(fresh);
        session.isAdministrator = true;
        session.SearchForHosts();
        EXPECT_EQ(session.runState, RunState::Stopped) << refused;
        EXPECT_EQ(fresh.Kinds(), Strings(kinds.begin(), kinds.begin() + refused + 1));
        EXPECT_FALSE(session.searchHosts && refused < 3);
    }
}

TEST_F(SearchFlowTest, LicencePageShowsPayload140ByteForByte) {
    Search({Ok, Cancel});
    std::ifstream file(TVL_LICENSE_FILE, std::ios::binary);
    const std::string stored((std::istreambuf_iterator<char>(file)), {});
    ASSERT_FALSE(stored.empty());
    ASSERT_EQ(pages.shown.at(1).kind, "license");
    EXPECT_EQ(pages.shown[1].text, stored);
    EXPECT_NE(stored.find("\r\n"), std::string::npos);
    EXPECT_EQ(pages.shown[0].text,
              "Welcome to the Tarvelle Installer.\n\nThis program will install Tarvelle Pigmora "
              "Demo on your computer. Click 'Continue' to proceed with the Installation.");
}

TEST_F(SearchFlowTest, ClearSearchBoxGoesStraightToTheInstall) {
    pages.tickSearch = false;
    Search({Ok, Ok, Ok});
    EXPECT_EQ(state, RunState::ReadyToInstall);
    EXPECT_TRUE(installShell);
    EXPECT_FALSE(searchHosts);
    EXPECT_EQ(pages.Kinds(), (Strings{"message", "license", "choice"}));
}

TEST_F(SearchFlowTest, UserWithoutRightsCannotChooseTheSearch) {
    pages.tickShell = false;
    Search({Ok, Ok, Ok}, false);
    EXPECT_FALSE(pages.shown.at(2).searchAllowed);
    EXPECT_EQ(state, RunState::ReadyToInstall);
    EXPECT_FALSE(installShell);
    EXPECT_FALSE(searchHosts);
}

TEST_F(SearchFlowTest, HostThreeLevelsBelowProgramFilesIsFoundWithoutAQuestion) {
    tree.Make("Program Files\\Adobe\\Photoshop CS\\Plug-Ins");
    Search({Ok, Ok, Ok, Ok});
    EXPECT_EQ(state, RunState::HostsFound);
    ASSERT_EQ(hosts.size(), 1u);
    EXPECT_EQ(hosts[0].key, "photoshop");
    EXPECT_EQ(pages.walkedRoots, (Strings{Pf()}));
    EXPECT_EQ(pages.Kinds(), (Strings{"message", "license", "choice", "message", "searching"}));
    EXPECT_EQ(pages.shown[3].text,
              "The installer will now search local hard drives for known host applications, "
              "this may take several minutes. Click 'Continue' to proceed.");
    EXPECT_TRUE(pages.searchingPageClosed);
    EXPECT_TRUE(searchHosts);
}

TEST_F(SearchFlowTest, HostFiveLevelsDownIsNotFoundAndNoKeepsTheListEmpty) {
    tree.Make("Program Files\\a\\b\\c\\Photoshop\\Plug-Ins");
    Search({Ok, Ok, Ok, Ok, No});
    EXPECT_EQ(state, RunState::ReadyToInstall);
    EXPECT_TRUE(hosts.empty());
    ASSERT_EQ(pages.shown.back().kind, "box");
    EXPECT_EQ(pages.shown.back().text,
              "no host applications were found in 'Program Files' directories, search hard "
              "drives?");
    EXPECT_EQ(pages.shown.back().buttons, kBoxYesNo);
    EXPECT_EQ(pages.walkedRoots, (Strings{Pf()}));
}

TEST_F(SearchFlowTest, YesSearchesEveryFixedDriveInLetterOrder) {
    tree.Make("G\\Corel\\Plugins");
    tree.Make("H\\Paint Shop Pro\\Plugins");
    Search({Ok, Ok, Ok, Ok, Yes});
    EXPECT_EQ(state, RunState::HostsFound);
    EXPECT_EQ(pages.walkedRoots, (Strings{Pf(), "F:\\", "G:\\", "H:\\"}));
    ASSERT_EQ(hosts.size(), 2u);
    EXPECT_EQ(hosts[0].key, "corel");
    EXPECT_EQ(hosts[1].key, "paintshoppro");
}

TEST_F(SearchFlowTest, DriveSearchThatFindsNothingLeadsToTheNoHostFlow) {
    Search({Ok, Ok, Ok, Ok, Yes});
    EXPECT_EQ(state, RunState::NoHostsFound);
    EXPECT_TRUE(hosts.empty());
}

TEST_F(SearchFlowTest, CancelDuringTheSecondDriveKeepsTheFirstDrivesRecords) {
    tree.Make("F\\Photoshop\\Plug-Ins");
    tree.Make("G\\a\\b\\c");
    tree.Make("H\\Corel\\Plugins");
    // Lines: F:\Photoshop, F:\Photoshop\Plug-Ins, then the user stops on G:'s first directory.
    pages.cancelAfterLines = 3;
    Search({Ok, Ok, Ok, Ok, Yes});
    EXPECT_EQ(state, RunState::Stopped);
    ASSERT_EQ(hosts.size(), 1u);
    EXPECT_EQ(hosts[0].key, "photoshop");
    EXPECT_EQ(pages.walkedRoots, (Strings{Pf(), "F:\\", "G:\\"}));
    EXPECT_TRUE(pages.searchingPageClosed);
}

TEST_F(SearchFlowTest, CancelDuringTheProgramFilesSearchAsksNothingMore) {
    tree.Make("Program Files\\a\\b");
    pages.cancelAfterLines = 1;
    Search({Ok, Ok, Ok, Ok});
    EXPECT_EQ(state, RunState::Stopped);
    EXPECT_EQ(pages.shown.back().kind, "searching");
}

TEST_F(SearchFlowTest, AQuitConfirmedBehindTheDriveQuestionEndsTheRunWhateverTheAnswer) {
    pages.quitWhileAsked = true;
    for (const int answer : {No, Yes}) {
        pages.shown.clear();
        pages.walkedRoots.clear();
        Search({Ok, Ok, Ok, Ok, answer});
        EXPECT_EQ(state, RunState::Stopped) << answer;
        EXPECT_EQ(pages.walkedRoots, (Strings{Pf()})) << "no drive is searched after a quit";
    }
}

TEST_F(SearchFlowTest, AQuitConfirmedOnTheLastLineOfTheWalkStillEndsTheRun) {
    // The host's folder is the last line, and the walker looks for a quit no more after it.
    tree.Make("Program Files\\Photoshop\\Plug-Ins");
    pages.cancelAfterLines = 2;
    Search({Ok, Ok, Ok, Ok});
    EXPECT_EQ(pages.lines.size(), 2u);
    EXPECT_EQ(state, RunState::Stopped);
}

TEST_F(SearchFlowTest, ThirtyTwoBitProgramFilesIsSearchedBeforeTheQuestion) {
    programFilesX86 = tree.Make("Program Files (x86)");
    programFilesX86.pop_back();
    tree.Make("Program Files (x86)\\Jasc Software\\Paint Shop Pro 9\\Plugins");
    Search({Ok, Ok, Ok, Ok});
    EXPECT_EQ(state, RunState::HostsFound);
    EXPECT_EQ(pages.walkedRoots, (Strings{Pf(), programFilesX86 + "\\"}));
    EXPECT_EQ(hosts.at(0).key, "paintshoppro");
}

TEST_F(SearchFlowTest, SameFolderUnderBothNamesIsSearchedOnce) {
    programFilesX86 = programFiles;
    for (char& c : programFilesX86) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    Search({Ok, Ok, Ok, Ok, No});
    EXPECT_EQ(pages.walkedRoots, (Strings{Pf()}));
}

TEST_F(SearchFlowTest, ProgressLinesAreTheExaminedDirectories) {
    tree.Make("Program Files\\Tools\\Photoshop\\Plug-Ins");
    Search({Ok, Ok, Ok, Ok});
    EXPECT_EQ(pages.lines, (Strings{Pf() + "Tools\\", Pf() + "Tools\\Photoshop\\",
                                    Pf() + "Tools\\Photoshop\\Plug-Ins\\"}));
}

}  // namespace
