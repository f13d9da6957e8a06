// tests/unit/directory_walker_test.cpp
// Real directory trees under Wine.
#include "discovery/directory_walker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "discovery/host_finder.h"
#include "support/event_log.h"
#include "tests/unit/temp_tree.h"

namespace {

using Paths = std::vector<std::string>;

class RecordingLog : public EventLog {
public:
    RecordingLog() : EventLog(LineFormat::TextOnly, true) {}
    void WriteLine(const char* line) override { lines.emplace_back(line); }
    Paths lines;
};

// Records every hook; can raise from a visit and stop after a number of directories.
class RecordingWalker : public DirectoryWalker {
public:
    Paths visited;
    Paths files;
    Paths done;
    Paths started;
    std::string raiseAt;
    int raises = 0;
    bool retry = false;
    bool swallow = false;
    std::uint8_t cancelByte = 0;
    std::string cancelAt;

protected:
    void VisitFile(const Text& path) override { files.push_back(path.Bytes()); }
    bool VisitDirectory(const DirectoryEntry&, const Text& path) override {
        visited.push_back(path.Bytes());
        if (path.Bytes() == cancelAt) {
            cancelByte = 1;
        }
        if (path.Bytes() == raiseAt && raises++ == 0) {
            throw Exception(ExceptionCode::FileOpen);
        }
        return true;
    }
    void DirectoryDone(const Text& path) override { done.push_back(path.Bytes()); }
    void WalkStarted(const Text& root) override { started.push_back(root.Bytes()); }
    bool OnException(const Exception& exception) override {
        if (retry || swallow) {
            return retry;
        }
        return DirectoryWalker::OnException(exception);
    }
};

bool Contains(const Paths& paths, const std::string& path) {
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

class DirectoryWalkerTest : public ::testing::Test {
protected:
    TempTree tree{"tvl-walk"};
    RecordingWalker walker;
};

TEST_F(DirectoryWalkerTest, DepthBudgetLimitsTheLevelsVisited) {
    const std::string level4 = tree.Make("1\\2\\3\\4");
    tree.Make("1\\2\\3\\4\\5");
    walker.Walk(Text(tree.Root()), "*", 4);
    EXPECT_TRUE(Contains(walker.visited, level4));
    EXPECT_FALSE(Contains(walker.visited, level4 + "5\\"));
    EXPECT_EQ(walker.visited.size(), 4u);
    EXPECT_TRUE(Contains(walker.done, level4)) << "a level-four directory is still listed";

    RecordingWalker none;
    none.Walk(Text(tree.Root() + "\\"), "*", 0);
    EXPECT_TRUE(none.visited.empty());
    EXPECT_EQ(none.done, (Paths{tree.Root() + "\\"}));
}

TEST_F(DirectoryWalkerTest, RootWithOrWithoutSeparatorListsTheSame) {
    tree.Make("a\\b");
    RecordingWalker slash;
    slash.Walk(Text(tree.Root() + "\\"), "*", 4);
    walker.Walk(Text(tree.Root()), "*", 4);
    EXPECT_EQ(walker.visited, slash.visited);
    EXPECT_EQ(walker.started, (Paths{tree.Root()}));
    EXPECT_EQ(walker.visited.front(), tree.Root() + "\\a\\");
    // A root that already ends in "/" gets no "\" added.
    RecordingWalker forward;
    forward.Walk(Text(tree.Root() + "/"), "*", 4);
    EXPECT_EQ(forward.visited.front(), tree.Root() + "/a\\");
}

TEST_F(DirectoryWalkerTest, DotEntriesAreNeverVisitedAndFilesOnlyWhenAsked) {
    tree.Make("d");
    tree.MakeFile("f.txt", "x");
    walker.Walk(Text(tree.Root()), "*", 4);
    EXPECT_EQ(walker.visited, (Paths{tree.Root() + "\\d\\"}));
    EXPECT_EQ(walker.files, (Paths{tree.Root() + "\\f.txt"}));

    RecordingWalker directoriesOnly;
    directoriesOnly.directoriesOnly = true;
    directoriesOnly.Walk(Text(tree.Root()), "*", 4);
    EXPECT_TRUE(directoriesOnly.files.empty());
}

TEST_F(DirectoryWalkerTest, MissingOrUnlistableRootGivesAnEmptyWalk) {
    tree.MakeFile("plain-file");
    for (const std::string& root : {tree.Path("missing"), tree.Path("plain-file"),
                                    std::string("Q:\\no drive"), std::string()}) {
        RecordingWalker empty;
        empty.Walk(Text(root), "*", 4);
        EXPECT_TRUE(empty.visited.empty()) << root;
        EXPECT_TRUE(empty.done.empty()) << root;
    }
}

TEST_F(DirectoryWalkerTest, CancelByteEndsTheWholeWalkAtTheNextEntry) {
    const std::string deep = tree.Make("a\\b\\c");
    tree.Make("a\\b\\c\\d1");
    tree.Make("a\\b\\c\\d2");
    tree.Make("z");
    walker.cancelFlag = &walker.cancelByte;
    walker.cancelAt = deep;
    try {
        walker.Walk(Text(tree.Root()), "*", 4);
        FAIL() << "the walk went on after the cancel byte was set";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Is(ExceptionCode::User));
    }
    EXPECT_EQ(walker.visited.back(), deep);
    EXPECT_TRUE(walker.done.empty()) << "no open directory is reported done";
}

TEST_F(DirectoryWalkerTest, CancelByteOtherThanOneDoesNotCancel) {
    tree.Make("a\\b");
    walker.cancelByte = 2;
    walker.cancelFlag = &walker.cancelByte;
    walker.Walk(Text(tree.Root()), "*", 4);
    EXPECT_EQ(walker.visited.size(), 2u);
}

TEST_F(DirectoryWalkerTest, VisitThatRaisesIsReportedAndPassedOn) {
    const std::string bad = tree.Make("bad");
    RecordingLog log;
    walker.SetLog(&log);
    walker.raiseAt = bad;
    EXPECT_THROW(walker.Walk(Text(tree.Root()), "*", 4), Exception);
    EXPECT_EQ(log.lines,
              (Paths{"File Open Exception", "exception while processing directory " + bad}));
}

TEST_F(DirectoryWalkerTest, OnExceptionCanRetryOrSkipTheEntry) {
    const std::string bad = tree.Make("bad");
    tree.Make("bad\\inside");
    walker.raiseAt = bad;
    walker.retry = true;
    walker.Walk(Text(tree.Root()), "*", 4);
    EXPECT_EQ(walker.visited, (Paths{bad, bad, bad + "inside\\"}));

    RecordingWalker skipping;
    skipping.raiseAt = bad;
    skipping.swallow = true;
    skipping.Walk(Text(tree.Root()), "*", 4);
    EXPECT_EQ(skipping.visited, (Paths{bad})) << "a failed visit is not descended into";
}

TEST(WineAttributesTest, HiddenAndSystemSurviveButTemporaryAndOfflineDoNot) {
    TempTree tree("tvl-attributes");
    const std::string hidden = tree.Make("hidden", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const std::string temporary =
        tree.Make("temporary", FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE);
    const DWORD kept = GetFileAttributesA(hidden.c_str());
    EXPECT_EQ(kept & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    // Wine has nowhere to keep these two on a Unix file system; the rule's own tests cover them.
    EXPECT_EQ(
        GetFileAttributesA(temporary.c_str()) & (FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE),
        0u);
}

class HostFinderTest : public ::testing::Test {
protected:
    TempTree tree{"tvl-finder"};
    HostList hosts;
    HostFinder finder{hosts};
    RecordingLog log;
};

TEST_F(HostFinderTest, RecordsPlugInFoldersWithoutEnteringThem) {
    const std::string plugins = tree.Make("Adobe\\Photoshop 7\\Plug-Ins");
    tree.Make("Adobe\\Photoshop 7\\Plug-Ins\\Photoshop Extra\\Plugins");
    tree.Make("Editor\\Plugins\\Corel\\Plug-ins");
    finder.SetLog(&log);
    finder.Walk(Text(tree.Root()), "*", 4);
    ASSERT_EQ(hosts.size(), 2u);
    Text expected(plugins);
    expected.MakeLower();
    EXPECT_EQ(hosts[0].pluginDirectory, Text(expected.Bytes() + "tvl\\"));
    EXPECT_EQ(hosts[1].key, "corel") << "an unknown plug folder is entered";
    EXPECT_FALSE(Contains(log.lines, plugins + "Photoshop Extra\\"));
    EXPECT_TRUE(Contains(log.lines, plugins)) << "the status line shows each examined directory";
}

TEST_F(HostFinderTest, HiddenOrSystemDirectoriesAreNeitherShownNorEntered) {
    const std::string hidden = tree.Make("Photoshop", FILE_ATTRIBUTE_HIDDEN);
    tree.Make("Photoshop\\Plug-Ins");
    const std::string system = tree.Make("Photoshop 2\\Plug-Ins", FILE_ATTRIBUTE_SYSTEM);
    finder.SetLog(&log);
    finder.Walk(Text(tree.Root()), "*", 4);
    EXPECT_TRUE(hosts.empty());
    EXPECT_FALSE(Contains(log.lines, hidden));
    EXPECT_FALSE(Contains(log.lines, system));
    EXPECT_TRUE(Contains(log.lines, tree.Root() + "\\Photoshop 2\\"));
}

TEST_F(HostFinderTest, RootItselfIsNeverJudged) {
    const std::string root = tree.Make("Photoshop\\Plug-Ins");
    tree.Make("Photoshop\\Plug-Ins\\Plugins");
    finder.Walk(Text(root), "*", 4);
    ASSERT_EQ(hosts.size(), 1u);
    EXPECT_EQ(hosts[0].pluginDirectory.View().substr(hosts[0].pluginDirectory.Length() - 12),
              "plugins\\tvl\\");
}

TEST_F(HostFinderTest, TwoRootsAppendToOneListInOrder) {
    const std::string first = tree.Make("one\\Photoshop\\Plug-Ins");
    const std::string second = tree.Make("two\\Paint Shop Pro\\Plugins");
    finder.Walk(Text(tree.Path("two")), "*", 4);
    finder.Walk(Text(tree.Path("one")), "*", 4);
    ASSERT_EQ(hosts.size(), 2u);
    EXPECT_EQ(hosts[0].key, "paintshoppro");
    EXPECT_EQ(hosts[1].key, "photoshop");
}

}  // namespace
