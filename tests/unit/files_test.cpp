// tests/unit/files_test.cpp
// The file layer and the registry wrapper on Wine's real file system and registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/exception.h"
#include "support/file_sink.h"
#include "support/files.h"
#include "support/held_folder.h"
#include "support/link_trust.h"
#include "support/registry_key.h"
#include "tests/e2e/driver.h"
#include "tests/unit/temp_tree.h"

namespace {

std::string ReadAll(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    std::string bytes(1 << 20, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool RaisesWith(ExceptionCode code, const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.Is(code);
    }
    return false;
}

TEST(FileSinkTest, TruncatesAnExistingFileAndCreatesAMissingOne) {
    TempTree tree("tvl-files");
    tree.MakeFile("old.bin", "previous content");
    {
        FileSink sink(Text(tree.Path("old.bin")));
        EXPECT_EQ(ReadAll(tree.Path("old.bin")), "") << "truncated on open";
        EXPECT_EQ(sink.Write("new", 3), 3);
    }
    EXPECT_EQ(ReadAll(tree.Path("old.bin")), "new");
    { FileSink created(Text(tree.Path("fresh.bin"))); }
    EXPECT_EQ(ReadAll(tree.Path("fresh.bin")), "");
}

TEST(FileSinkTest, MissingDirectoryOrFileHeldOpenRaisesFileOpen) {
    TempTree tree("tvl-files");
    EXPECT_TRUE(RaisesWith(ExceptionCode::FileOpen,
                           [&] { FileSink sink(Text(tree.Path("missing\\x.bin"))); }));
    tree.MakeFile("held.8bf", "plug-in");
    HANDLE held = CreateFileA(tree.Path("held.8bf").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(
        RaisesWith(ExceptionCode::FileOpen, [&] { FileSink sink(Text(tree.Path("held.8bf"))); }));
    CloseHandle(held);
    EXPECT_EQ(ReadAll(tree.Path("held.8bf")), "plug-in");
}

TEST(FileSinkTest, FullDiskRaisesFileWrite) {
    // Z:\dev\full is Linux's /dev/full: every write fails with "disk full".
    FileSink full(Text("Z:\\dev\\full"));
    EXPECT_TRUE(RaisesWith(ExceptionCode::FileWrite, [&] { full.Write("x", 1); }));
    full.Close();
    EXPECT_FALSE(full.IsOpen());
    EXPECT_TRUE(RaisesWith(ExceptionCode::FileWrite, [&] { full.Write("x", 1); }));
}

TEST(MakeDirectoriesTest, CreatesEveryMissingParentAndAcceptsWhatExists) {
    TempTree tree("tvl-mkdir");
    const std::string deep = tree.Path("a\\b\\c\\");
    EXPECT_TRUE(MakeDirectories(Text(deep)));
    EXPECT_TRUE(IsDirectory(Text(deep)));
    EXPECT_TRUE(MakeDirectories(Text(tree.Path("a\\b"))));
    EXPECT_TRUE(MakeDirectories(Text(tree.Path("a\\\\b\\\\"))));
    EXPECT_TRUE(IsDirectory(Text(tree.Root())));
    EXPECT_FALSE(IsDirectory(Text(tree.Path("a\\nothing"))));
}

TEST(MakeDirectoriesTest, FailsOnAFileOrAMissingDrive) {
    TempTree tree("tvl-mkdir");
    tree.MakeFile("file");
    EXPECT_FALSE(MakeDirectories(Text(tree.Path("file"))));
    EXPECT_FALSE(MakeDirectories(Text(tree.Path("file\\below"))));
    EXPECT_FALSE(IsDirectory(Text(tree.Path("file"))));
    EXPECT_FALSE(MakeDirectories(Text("Q:\\no\\drive\\")));
    EXPECT_FALSE(MakeDirectories(Text("//")));
}

TEST(MakeDirectoriesTest, RefusesAPathTooLongWithoutMakingItsParents) {
    TempTree tree("tvl-mkdir");
    std::string longPath = tree.Path("first\\");
    while (longPath.size() <= kLongestDirectoryPath) {
        longPath += "abcdefghijklmnopqrstuvwxyz\\";
    }
    EXPECT_FALSE(MakeDirectories(Text(longPath)));
    EXPECT_FALSE(IsDirectory(Text(tree.Path("first"))));
    const std::string longest =
        tree.Path(std::string(kLongestDirectoryPath - tree.Root().size() - 2, 'x') + "\\");
    ASSERT_EQ(longest.size(), kLongestDirectoryPath);
    EXPECT_TRUE(MakeDirectories(Text(longest)));
}

TEST(HeldFolderTest, NoFolderOnItsPathCanBeRenamedOrDeletedWhileItIsHeld) {
    TempTree tree("tvl-held");
    tree.Make("a\\b");
    {
        HeldFolder held;
        ASSERT_TRUE(held.Open(Text(tree.Path("a\\b")), false));
        EXPECT_EQ(held.Path(), tree.Path("a\\b\\"));
        EXPECT_FALSE(MoveFileA(tree.Path("a").c_str(), tree.Path("moved").c_str()));
        EXPECT_FALSE(MoveFileA(tree.Path("a\\b").c_str(), tree.Path("a\\moved").c_str()));
        EXPECT_FALSE(RemoveDirectoryA(tree.Path("a\\b").c_str()));
    }
    EXPECT_TRUE(MoveFileA(tree.Path("a\\b").c_str(), tree.Path("a\\moved").c_str()))
        << "the folder stayed pinned after it was let go";
}

TEST(LinkTrustTest, OnlyFoldersBelowTheProgramFilesFoldersThemselvesAreTrusted) {
    for (const char* trusted : {"C:\\Program Files\\Moved", "c:\\PROGRAM FILES\\Moved\\Deeper",
                                "C:\\Program Files (x86)\\Moved"}) {
        EXPECT_TRUE(MayFollowLinkAt(Text(trusted))) << trusted;
    }
    for (const char* refused :
         {"C:\\Program Files Evil\\Moved", "C:\\Program FilesMoved",
          "C:\\Program Files (x86) Evil\\Moved", "C:\\Moved", "D:\\Program Files\\Moved"}) {
        EXPECT_FALSE(MayFollowLinkAt(Text(refused))) << refused;
    }
}

// Links made on the Unix side of the prefix (Wine makes none itself) in Program Files, where one
// link may be crossed.
class ProgramFilesLinksTest : public ::testing::Test {
protected:
    void TearDown() override { e2e::RemoveFromDriveC("Program Files/" + name_); }

    const std::string name_ = "tvl-unit-links-" + std::to_string(GetCurrentProcessId());
    const std::string folder_ = "C:\\Program Files\\" + name_ + "\\";
};

TEST_F(ProgramFilesLinksTest, ALinkToALinkIsNeverCrossed) {
    const std::string unixFolder = e2e::UnixPathOnDriveC("Program Files/" + name_);
    ASSERT_TRUE(e2e::RunUnixShell("mkdir -p '" + unixFolder + "/victim' && cd '" + unixFolder +
                                  "' && ln -s victim inner && ln -s inner outer"));
    ASSERT_TRUE(MayFollowLinkAt(Text(folder_ + "outer")));
    HeldFolder held;
    EXPECT_TRUE(held.Open(Text(folder_ + "victim"), false));
    EXPECT_FALSE(held.Open(Text(folder_ + "outer"), false));
    EXPECT_FALSE(held.IsOpen());
    EXPECT_FALSE(MakeDirectories(Text(folder_ + "outer\\tvl")));
    EXPECT_EQ(GetFileAttributesA((folder_ + "victim\\tvl").c_str()), INVALID_FILE_ATTRIBUTES)
        << "a folder was made through the links";
}

class RegistryKeyTest : public ::testing::Test {
protected:
    void TearDown() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, (path_ + "\\inner").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TarvelleTests");
    }
    bool Query(const char* name, DWORD& type, std::string& data) {
        HKEY key = nullptr;
        if (RegOpenKeyA(HKEY_CURRENT_USER, path_.c_str(), &key) != ERROR_SUCCESS) {
            return false;
        }
        data.assign(64, '\0');
        DWORD size = static_cast<DWORD>(data.size());
        const LONG result = RegQueryValueExA(key, name, nullptr, &type,
                                             reinterpret_cast<BYTE*>(data.data()), &size);
        RegCloseKey(key);
        data.resize(size);
        return result == ERROR_SUCCESS;
    }
    const std::string path_ = "Software\\TarvelleTests\\" + std::to_string(GetCurrentProcessId());
};

TEST_F(RegistryKeyTest, MissingKeyOpensOnlyWithCreate) {
    RegistryKey key(RegistryKey::kCurrentUser, Text(), false);
    EXPECT_FALSE(key.Open(Text(path_), false));
    EXPECT_FALSE(key.IsOpen());
    EXPECT_FALSE(key.SetString("x", "y")) << "nothing is open";
    EXPECT_TRUE(key.Open(Text(path_ + "\\inner"), true)) << "intermediate keys are created";
    EXPECT_TRUE(key.Open(Text(path_), false));
}

TEST_F(RegistryKeyTest, StringsCarryTheirTerminatorAndEmptyOnesNoBytes) {
    {
        RegistryKey key(RegistryKey::kCurrentUser, Text(path_), true);
        ASSERT_TRUE(key.IsOpen());
        EXPECT_TRUE(key.SetString("filelocation.photoshop", "c:\\p\\Tarvelle_Pigmora_Demo.8bf"));
        EXPECT_TRUE(key.SetString("empty", ""));
        EXPECT_TRUE(key.SetDword("NoModify", 1));
    }
    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(Query("filelocation.photoshop", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(data, std::string("c:\\p\\Tarvelle_Pigmora_Demo.8bf\0", 31));
    ASSERT_TRUE(Query("empty", type, data));
    EXPECT_EQ(data.size(), 0u);
    ASSERT_TRUE(Query("NoModify", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(data, std::string("\x01\0\0\0", 4));
    // Opening again with create keeps what is there.
    RegistryKey again(RegistryKey::kCurrentUser, Text(path_), true);
    EXPECT_TRUE(Query("NoModify", type, data));
    again.Close();
    again.Close();
    EXPECT_FALSE(again.IsOpen());
}

}  // namespace
