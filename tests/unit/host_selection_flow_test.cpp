// tests/unit/host_selection_flow_test.cpp
// Choosing the hosts, through scripted pages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/installer_session.h"
#include "pages/plugin_dir_dialog.h"
#include "support/special_folder.h"
#include "tests/unit/scripted_pages.h"

namespace {

bool ProgramsOnD(SpecialFolderId folderId, char (&path)[kFolderPathBytes]) {
    if (folderId != kFolderProgramFiles) {
        return false;
    }
    std::strcpy(path, "D:\\Programs");
    return true;
}

class HostSelectionFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = std::make_unique<InstallerSession>(pages);
        previous_ = ReplaceFolderLookup(&ProgramsOnD);
        session_->isAdministrator = true;
    }
    void TearDown() override { ReplaceFolderLookup(previous_); }

    InstallerSession& Session() { return *session_; }
    void AddFound(const char* name, const char* directory, const char* key) {
        AddHost(Session().hosts, name, directory, key);
    }

    ScriptedPages pages;

private:
    std::unique_ptr<InstallerSession> session_;
    FolderLookup previous_ = nullptr;
};

TEST_F(HostSelectionFlowTest, UserSelectedLineIsAppendedUntickedBeforeThePageOpens) {
    AddFound("Photoshop", "c:\\a\\photoshop\\plug-ins\\tvl\\", "photoshop");
    AddFound("Photoshop", "c:\\b\\photoshop\\plug-ins\\tvl\\", "photoshop");
    AddFound("Corel Products", "c:\\corel\\plugins\\tvl\\", "corel");
    pages.answers = {kPageOk, kPageCancel};
    Session().runState = RunState::HostsFound;
    Session().Run();
    EXPECT_EQ(Session().runState, RunState::Stopped) << "Cancel on the summary";
    ASSERT_EQ(pages.Kinds(), (std::vector<std::string>{"selection", "message"}));
    EXPECT_NE(pages.shown[1].text.find(".    plugin for Photoshop\n.    plugin for Photoshop\n"
                                       ".    plugin for Corel Products\n\n"),
              std::string::npos);
    EXPECT_EQ(pages.shown[0].text,
              "Select the host image editing packages to install Tarvelle Pigmora Demo for:\n"
              "Photoshop [x]\nPhotoshop [x]\nCorel Products [x]\n"
              "user selected plugin file location [ ]\n");
    const HostRecord& added = Session().hosts.back();
    EXPECT_EQ(added.displayName, "user selected plugin location");
    EXPECT_EQ(added.key, "user_selected");
    EXPECT_EQ(added.pluginDirectory, "D:\\Programs\\plugins\\");
    EXPECT_FALSE(added.install);
}

TEST_F(HostSelectionFlowTest, CancelStopsAndAnyOtherEndShowsThePageAgain) {
    AddFound("Photoshop", "c:\\p\\tvl\\", "photoshop");
    pages.answers = {kPageCancel};
    Session().SelectHosts();
    EXPECT_EQ(Session().runState, RunState::Stopped);

    ScriptedPages again;
    InstallerSession other(again);
    other.isAdministrator = true;
    AddHost(other.hosts, "Photoshop", "c:\\p\\tvl\\", "photoshop");
    other.runState = RunState::HostsFound;
    again.answers = {-1, kPageOk, kPageCancel};
    other.Run();
    EXPECT_EQ(other.runState, RunState::Stopped);
    EXPECT_EQ(again.Kinds(), (std::vector<std::string>{"selection", "selection", "message"}));
    EXPECT_EQ(other.hosts.size(), 3u) << "each showing appends one more user_selected record";
}

TEST_F(HostSelectionFlowTest, FlagsAreTheTicksLeftOnContinue) {
    AddFound("Photoshop", "c:\\p\\tvl\\", "photoshop");
    AddFound("Paint Shop Pro", "c:\\psp\\tvl\\", "paintshoppro");
    pages.ticks = {false, false, true};
    pages.answers = {kPageOk};
    Session().SelectHosts();
    EXPECT_EQ(Session().runState, RunState::ReadyToInstall);
    EXPECT_FALSE(Session().hosts[0].install);
    EXPECT_FALSE(Session().hosts[1].install);
    EXPECT_TRUE(Session().hosts[2].install);
    EXPECT_EQ(Session().hosts[2].pluginDirectory, "D:\\Programs\\plugins\\");
}

TEST_F(HostSelectionFlowTest, DirectoryChangedThenCancelKeepsTheDirectoryAndStops) {
    AddFound("Photoshop", "c:\\p\\tvl\\", "photoshop");
    pages.confirmedDirectory = "E:\\Mine\\Plug-Ins";
    pages.whileSelecting = [&](HostList& hosts) { pages.ShowPluginDirDialog(hosts[0]); };
    pages.answers = {kPageOk, kPageCancel};
    Session().SelectHosts();
    EXPECT_EQ(Session().runState, RunState::Stopped);
    EXPECT_EQ(Session().hosts[0].pluginDirectory, "E:\\Mine\\Plug-Ins");
    EXPECT_TRUE(Session().hosts[0].install) << "a new directory does not change the tick";
    EXPECT_EQ(pages.shown[1].text, "Photoshop|c:\\p\\tvl\\");
}

TEST_F(HostSelectionFlowTest, NoHostSkipInstallsIntoTheDefaultFolder) {
    pages.answers = {kPageCancel, kPageCancel};
    Session().runState = RunState::NoHostsFound;
    Session().Run();
    EXPECT_EQ(Session().runState, RunState::Stopped) << "Cancel on the summary";
    EXPECT_NE(pages.shown.at(1).text.find(".    plugin for Unknown Host Application\n"),
              std::string::npos);
    ASSERT_EQ(Session().hosts.size(), 1u);
    const HostRecord& other = Session().hosts[0];
    EXPECT_EQ(other.displayName, "Unknown Host Application");
    EXPECT_EQ(other.listCaption, "Unknown (edit with 'Options' button)");
    EXPECT_EQ(other.key, "other");
    EXPECT_EQ(other.pluginDirectory, "D:\\Programs\\plugins\\");
    EXPECT_TRUE(other.install);
    ASSERT_EQ(pages.shown.size(), 2u);
    EXPECT_EQ(pages.shown[0].cancelCaption, "Skip");
    EXPECT_EQ(pages.shown[0].text,
              "The installer has failed to find a host application that supports Tarvelle "
              "Pigmora Demo.\n\nIf you would like to continue with the installation, click "
              "'Continue' to manually select a directory to install the files to.\n\nTo find "
              "more info on standard plugin directories for your host application, please "
              "consult the host application's product documentation.");
}

TEST_F(HostSelectionFlowTest, NoHostContinueThenOkStoresTheDirectory) {
    pages.confirmedDirectory = "E:\\Editor\\Plug-Ins\\";
    pages.answers = {kPageOk, kPageOk};
    Session().HandleNoHostFound();
    EXPECT_EQ(Session().runState, RunState::ReadyToInstall);
    EXPECT_EQ(Session().hosts.at(0).pluginDirectory, "E:\\Editor\\Plug-Ins\\");
    EXPECT_EQ(pages.shown.at(1).text, "Unknown Host Application|D:\\Programs\\plugins\\");
}

TEST_F(HostSelectionFlowTest, NoHostContinueThenCancelStops) {
    pages.answers = {kPageOk, kPageCancel};
    Session().HandleNoHostFound();
    EXPECT_EQ(Session().runState, RunState::Stopped);
    EXPECT_EQ(Session().hosts.at(0).pluginDirectory, "D:\\Programs\\plugins\\");
}

}  // namespace
