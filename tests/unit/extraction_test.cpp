// tests/unit/extraction_test.cpp
// Payload extraction into real files, from this test program's own resources.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/installer_session.h"
#include "install/payload_file.h"
#include "tests/unit/install_fixture.h"
#include "tests/unit/scripted_pages.h"

namespace {

using namespace install_test;

constexpr int kComplete = 900;
constexpr int kEmpty = 901;
constexpr int kTruncated = 902;
constexpr int kCorrupted = 903;
constexpr int kMissing = 999;

const char kBoxText[] =
    "Error writing file '%s'.\nMake sure the host application is not running and retry the "
    "installation.";

class ExtractionTest : public ::testing::Test {
protected:
    std::string Expected() { return ReadFileBytes(TVL_PAYLOAD_DIR "\\test\\expected.bin"); }

    void ExpectReportedFailure(const std::string& target) {
        ASSERT_EQ(pages.shown.size(), 1u);
        std::string box = kBoxText;
        box.replace(box.find("%s"), 2, target);
        EXPECT_EQ(pages.shown[0].text, box);
        EXPECT_EQ(pages.shown[0].buttons, kBoxOk);
        EXPECT_EQ(session.errors, Text("\nError writing file " + target));
        EXPECT_EQ(EntryCount(tree.Root()), 1) << "no temporary file is left beside the target";
    }

    TempTree tree{"tvl-extract"};
    ScriptedPages pages;
    InstallerSession session{pages};
};

TEST_F(ExtractionTest, CompleteStreamReplacesTheTargetWhole) {
    const std::string target = tree.Path("plugin.8bf");
    tree.MakeFile("plugin.8bf", std::string(400000, 'o'));
    EXPECT_TRUE(WritePayloadFile(Text(target), kComplete, session));
    EXPECT_EQ(ReadFileBytes(target), Expected());
    EXPECT_TRUE(WritePayloadFile(Text(target), kComplete, session));
    EXPECT_EQ(ReadFileBytes(target), Expected());
    EXPECT_TRUE(pages.shown.empty());
    EXPECT_EQ(EntryCount(tree.Root()), 1);
}

TEST_F(ExtractionTest, EmptyStreamGivesAnEmptyFile) {
    const std::string target = tree.Path("empty.ini");
    tree.MakeFile("empty.ini", "old");
    EXPECT_TRUE(WritePayloadFile(Text(target), kEmpty, session));
    EXPECT_EQ(ReadFileBytes(target), "");
}

TEST_F(ExtractionTest, DamagedStreamsLeaveTheEarlierFileIntact) {
    for (const int payload : {kTruncated, kCorrupted}) {
        ScriptedPages fresh;
        fresh.answers = {kAnswerOk};
        InstallerSession local(fresh);
        const std::string target = tree.Path("host.8bf");
        tree.MakeFile("host.8bf", "the user's plug-in");
        EXPECT_FALSE(WritePayloadFile(Text(target), payload, local));
        EXPECT_EQ(ReadFileBytes(target), "the user's plug-in") << payload;
        EXPECT_EQ(fresh.shown.size(), 1u);
        EXPECT_EQ(EntryCount(tree.Root()), 1) << payload;
    }
}

TEST_F(ExtractionTest, MissingPayloadTouchesNothing) {
    pages.answers = {kAnswerOk};
    const std::string target = tree.Path("absent.8bf");
    tree.MakeFile("other");
    EXPECT_FALSE(WritePayloadFile(Text(target), kMissing, session));
    EXPECT_EQ(ReadFileBytes(target), "<missing>");
    ExpectReportedFailure(target);
}

TEST_F(ExtractionTest, MissingDirectoryIsReported) {
    pages.answers = {kAnswerOk};
    tree.MakeFile("other");
    const std::string target = tree.Path("no folder\\x.8bf");
    EXPECT_FALSE(WritePayloadFile(Text(target), kComplete, session));
    ExpectReportedFailure(target);
}

TEST_F(ExtractionTest, TargetHeldOpenByAHostKeepsItsContent) {
    pages.answers = {kAnswerOk};
    const std::string target = tree.Path("held.8bf");
    tree.MakeFile("held.8bf", "loaded by the host");
    {
        HeldFile held(target);
        EXPECT_FALSE(WritePayloadFile(Text(target), kComplete, session));
    }
    EXPECT_EQ(ReadFileBytes(target), "loaded by the host");
    ExpectReportedFailure(target);
}

// A virus scanner holds a new file for a moment without sharing it.
TEST_F(ExtractionTest, TargetBusyForAMomentIsReplacedOnceFree) {
    const std::string target = tree.Path("scanned.8bf");
    tree.MakeFile("scanned.8bf", "being scanned");
    HANDLE scanned = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(scanned, INVALID_HANDLE_VALUE);
    // A Windows thread: the C++ runtime of the win32 threading model has no std::thread.
    HANDLE scanner = CreateThread(
        nullptr, 0,
        [](void* handle) -> DWORD {
            Sleep(300);
            CloseHandle(static_cast<HANDLE>(handle));
            return 0;
        },
        scanned, 0, nullptr);
    ASSERT_NE(scanner, nullptr);
    EXPECT_TRUE(WritePayloadFile(Text(target), kComplete, session));
    WaitForSingleObject(scanner, INFINITE);
    CloseHandle(scanner);
    EXPECT_EQ(ReadFileBytes(target), Expected());
    EXPECT_TRUE(pages.shown.empty());
    EXPECT_EQ(EntryCount(tree.Root()), 1) << "no temporary file is left beside the target";
}

TEST_F(ExtractionTest, ReadOnlyTargetIsNotReplaced) {
    pages.answers = {kAnswerOk};
    const std::string target = tree.Path("locked.8bf");
    tree.MakeFile("locked.8bf", "kept read-only by its owner");
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(WritePayloadFile(Text(target), kComplete, session));
    EXPECT_EQ(ReadFileBytes(target), "kept read-only by its owner");
    EXPECT_NE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    ExpectReportedFailure(target);
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
