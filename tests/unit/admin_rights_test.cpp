// tests/unit/admin_rights_test.cpp
// Runs under Wine, against its real file system.
#include "install/admin_rights.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "resources/install_layout.h"
#include "support/special_folder.h"

namespace {

std::string programFiles;

bool FakeProgramFiles(SpecialFolderId folderId, char (&path)[kFolderPathBytes]) {
    if (folderId != kFolderProgramFiles || programFiles.size() >= sizeof path) {
        return false;
    }
    std::memcpy(path, programFiles.c_str(), programFiles.size() + 1);
    return true;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class AdminRightsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        folder_ = std::string(temp) + "tvl-programs-" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        programFiles = folder_;
        previous_ = ReplaceFolderLookup(&FakeProgramFiles);
    }
    void TearDown() override {
        ReplaceFolderLookup(previous_);
        SetFileAttributesA(Probe().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(Probe().c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string Probe() const { return folder_ + "\\_test.tmp"; }

    std::string folder_;

private:
    FolderLookup previous_ = nullptr;
};

TEST_F(AdminRightsTest, PathsAreJoinedBelowProgramFiles) {
    programFiles = "D:\\Programs";
    EXPECT_EQ(InstallFolder(), "D:\\Programs\\Tarvelle\\");
    EXPECT_EQ(DefaultPluginFolder(), "D:\\Programs\\plugins\\");
}

TEST_F(AdminRightsTest, WritableProgramFilesMeansRightsAndLeavesNoProbe) {
    EXPECT_TRUE(HasAdminRights());
    EXPECT_FALSE(Exists(Probe()));
}

TEST_F(AdminRightsTest, LeftoverProbeIsReplacedAndRemovedWhateverItsAttributes) {
    for (const DWORD attributes :
         {DWORD{FILE_ATTRIBUTE_NORMAL}, DWORD{FILE_ATTRIBUTE_READONLY},
          DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY}}) {
        HANDLE file = CreateFileA(Probe().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, "stale", 5, &written, nullptr);
        CloseHandle(file);
        ASSERT_TRUE(SetFileAttributesA(Probe().c_str(), attributes));

        EXPECT_TRUE(HasAdminRights()) << attributes;
        EXPECT_FALSE(Exists(Probe())) << attributes;
    }
}

TEST_F(AdminRightsTest, FolderWhereNoFileCanBeCreatedMeansNoRights) {
    // Nobody, root included, creates files in /proc.
    programFiles = "Z:\\proc";
    EXPECT_FALSE(HasAdminRights());
    programFiles = "Q:\\no such drive";
    EXPECT_FALSE(HasAdminRights());
}

TEST(ShellFoldersTest, WineKnowsTheProgramFilesFolder) {
    EXPECT_EQ(ProgramFilesFolder(), "C:\\Program Files\\");
    const Text desktop = CommonDesktopFolder();
    EXPECT_EQ(desktop.View().back(), '\\');
    EXPECT_NE(desktop, "C:\\Documents and Settings\\All Users\\Desktop\\");
}

}  // namespace
