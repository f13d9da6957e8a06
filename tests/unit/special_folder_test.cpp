// tests/unit/special_folder_test.cpp
#include "support/special_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<SpecialFolderId> asked;
std::vector<SpecialFolderId> answering;

// The path made from the id.
std::string Found(SpecialFolderId folderId) {
    return "X:\\folder" + std::to_string(folderId);
}

// Answers only the folders in `answering`, with the path made from the id.
bool FakeLookup(SpecialFolderId folderId, char (&path)[kFolderPathBytes]) {
    asked.push_back(folderId);
    for (const SpecialFolderId id : answering) {
        if (id == folderId) {
            const std::string found = Found(folderId);
            std::memcpy(path, found.c_str(), found.size() + 1);
            return true;
        }
    }
    return false;
}

class SpecialFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        asked.clear();
        answering.clear();
        previous_ = ReplaceFolderLookup(&FakeLookup);
    }
    void TearDown() override { ReplaceFolderLookup(previous_); }

private:
    FolderLookup previous_ = nullptr;
};

TEST_F(SpecialFolderTest, AppendsOneBackslashToWhatTheShellKnows) {
    answering = {kFolderProgramFiles};
    EXPECT_EQ(ProgramFilesFolder(), Found(kFolderProgramFiles) + "\\");
    EXPECT_EQ(asked, (std::vector<SpecialFolderId>{kFolderProgramFiles}));
}

TEST_F(SpecialFolderTest, ProgramFilesFallsBackToTheProgramsFolder) {
    answering = {kFolderPrograms};
    EXPECT_EQ(ProgramFilesFolder(), Found(kFolderPrograms) + "\\");
    EXPECT_EQ(asked, (std::vector<SpecialFolderId>{kFolderProgramFiles, kFolderPrograms}));
}

TEST_F(SpecialFolderTest, EveryLookupFailingGivesTheFixedFallbacks) {
    EXPECT_EQ(ProgramFilesFolder(), "C:\\Program Files\\");
    EXPECT_EQ(CommonDesktopFolder(), "C:\\Documents and Settings\\All Users\\Desktop\\");
    EXPECT_EQ(CommonStartMenuFolder(), "C:\\Documents and Settings\\All Users\\Start Menu\\");
    EXPECT_EQ(asked, (std::vector<SpecialFolderId>{kFolderProgramFiles, kFolderPrograms,
                                                   kFolderCommonDesktopDirectory,
                                                   kFolderCommonStartMenu}));
}

TEST_F(SpecialFolderTest, EachFolderIsLookedUpAfreshEveryTime) {
    answering = {kFolderCommonDesktopDirectory, kFolderCommonStartMenu};
    EXPECT_EQ(CommonDesktopFolder(), Found(kFolderCommonDesktopDirectory) + "\\");
    EXPECT_EQ(CommonStartMenuFolder(), Found(kFolderCommonStartMenu) + "\\");
    answering.clear();
    EXPECT_EQ(CommonDesktopFolder(), "C:\\Documents and Settings\\All Users\\Desktop\\");
    EXPECT_EQ(asked.size(), 3u);
}

TEST_F(SpecialFolderTest, FailedLookupLeavesThePathAsItWas) {
    Text path("unchanged");
    EXPECT_FALSE(SpecialFolder(kFolderProgramFiles, path));
    EXPECT_EQ(path, "unchanged");
    answering = {kFolderProgramFiles};
    EXPECT_TRUE(SpecialFolder(kFolderProgramFiles, path));
    EXPECT_EQ(path, Found(kFolderProgramFiles) + "\\");
}

TEST_F(SpecialFolderTest, PathFillingTheWholeBufferIsNotReadPastIt) {
    ReplaceFolderLookup([](SpecialFolderId, char(&path)[kFolderPathBytes]) {
        std::memset(path, 'p', sizeof path);
        return true;
    });
    Text path;
    ASSERT_TRUE(SpecialFolder(kFolderProgramFiles, path));
    EXPECT_EQ(path.Length(), static_cast<std::uint32_t>(kFolderPathBytes) + 1);
    EXPECT_EQ(path.Mid(kFolderPathBytes - 1), "p\\");
}

}  // namespace
