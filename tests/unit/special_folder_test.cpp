// tests/unit/special_folder_test.cpp
#include "support/special_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<int> asked;
std::vector<int> answering;

// Answers only the folders in `answering`, with a path made from the id.
bool FakeLookup(int folderId, char (&path)[kFolderPathBytes]) {
    asked.push_back(folderId);
    for (const int id : answering) {
        if (id == folderId) {
            const std::string found = "X:\\folder" + std::to_string(folderId);
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
    EXPECT_EQ(ProgramFilesFolder(), "X:\\folder38\\");
    EXPECT_EQ(asked, (std::vector<int>{kFolderProgramFiles}));
}

TEST_F(SpecialFolderTest, ProgramFilesFallsBackToTheProgramsFolder) {
    answering = {kFolderPrograms};
    EXPECT_EQ(ProgramFilesFolder(), "X:\\folder2\\");
    EXPECT_EQ(asked, (std::vector<int>{kFolderProgramFiles, kFolderPrograms}));
}

TEST_F(SpecialFolderTest, EveryLookupFailingGivesTheFixedFallbacks) {
    EXPECT_EQ(ProgramFilesFolder(), "C:\\Program Files\\");
    EXPECT_EQ(CommonDesktopFolder(), "C:\\Documents and Settings\\All Users\\Desktop\\");
    EXPECT_EQ(CommonStartMenuFolder(), "C:\\Documents and Settings\\All Users\\Start Menu\\");
    EXPECT_EQ(asked, (std::vector<int>{kFolderProgramFiles, kFolderPrograms,
                                       kFolderCommonDesktopDirectory, kFolderCommonStartMenu}));
}

TEST_F(SpecialFolderTest, EachFolderIsLookedUpAfreshEveryTime) {
    answering = {kFolderCommonDesktopDirectory, kFolderCommonStartMenu};
    EXPECT_EQ(CommonDesktopFolder(), "X:\\folder25\\");
    EXPECT_EQ(CommonStartMenuFolder(), "X:\\folder22\\");
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
    EXPECT_EQ(path, "X:\\folder38\\");
}

TEST_F(SpecialFolderTest, PathFillingTheWholeBufferIsNotReadPastIt) {
    ReplaceFolderLookup([](int, char(&path)[kFolderPathBytes]) {
        std::memset(path, 'p', sizeof path);
        return true;
    });
    Text path;
    ASSERT_TRUE(SpecialFolder(kFolderProgramFiles, path));
    EXPECT_EQ(path.Length(), static_cast<std::uint32_t>(kFolderPathBytes) + 1);
    EXPECT_EQ(path.Mid(kFolderPathBytes - 1), "p\\");
}

}  // namespace
