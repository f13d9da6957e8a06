// tests/unit/host_folder_rule_test.cpp
#include "discovery/host_folder_rule.h"

#include <gtest/gtest.h>

namespace {

constexpr FileAttributes kDirectory{FileAttribute::Directory};

struct Expected {
    const char* name;
    const char* key;
    const char* directory;
};

class HostFolderRuleTest : public ::testing::Test {
protected:
    bool Judge(const char* name, const char* path, FileAttributes attributes = kDirectory) {
        return RecogniseHostFolder(attributes, name, path, hosts) == FolderVerdict::Descend;
    }
    void ExpectOneHost(const Expected& expected) {
        ASSERT_EQ(hosts.size(), 1u);
        EXPECT_EQ(hosts[0].displayName, expected.name);
        EXPECT_EQ(hosts[0].listCaption, expected.name);
        EXPECT_EQ(hosts[0].key, expected.key);
        EXPECT_EQ(hosts[0].pluginDirectory, expected.directory);
        EXPECT_TRUE(hosts[0].install);
    }
    HostList hosts;
};

TEST_F(HostFolderRuleTest, PhotoshopPlugInFolderIsRecordedLowerCasedAndNotEntered) {
    EXPECT_FALSE(Judge("Plug-Ins", "D:\\Apps\\Photoshop 7\\Plug-Ins\\"));
    ExpectOneHost({"Photoshop", "photoshop", "d:\\apps\\photoshop 7\\plug-ins\\tvl\\"});
}

TEST_F(HostFolderRuleTest, EachKnownHostHasItsKey) {
    EXPECT_FALSE(Judge("Plugins", "D:\\Apps\\Corel Painter 8\\Plugins\\"));
    EXPECT_FALSE(Judge("Plugins", "D:\\Apps\\Paint Shop Pro 9\\Plugins\\"));
    ASSERT_EQ(hosts.size(), 2u);
    EXPECT_EQ(hosts[0].displayName, "Corel Painter");
    EXPECT_EQ(hosts[0].key, "painter");
    EXPECT_EQ(hosts[1].displayName, "Paint Shop Pro");
    EXPECT_EQ(hosts[1].key, "paintshoppro");
}

TEST_F(HostFolderRuleTest, FixedOrderBreaksTies) {
    EXPECT_FALSE(Judge("Plugins", "D:\\Apps\\Corel\\Paint Shop Pro 9\\Plugins\\"));
    ExpectOneHost({"Corel Products", "corel", "d:\\apps\\corel\\paint shop pro 9\\plugins\\tvl\\"});
    hosts.clear();
    EXPECT_FALSE(Judge("PLUGINS", "D:\\Corel Painter\\Photoshop\\PLUGINS\\"));
    EXPECT_EQ(hosts.at(0).key, "photoshop");
}

TEST_F(HostFolderRuleTest, HostNameMayStandAnywhereInThePath) {
    EXPECT_FALSE(Judge("Plugins", "D:\\Photoshop Tools\\Some Filter\\Plugins\\"));
    EXPECT_EQ(hosts.at(0).displayName, "Photoshop");
}

TEST_F(HostFolderRuleTest, UnknownOrWronglyNamedFoldersAreEntered) {
    EXPECT_TRUE(Judge("Plugins", "D:\\Apps\\Other Editor\\Plugins\\"));
    EXPECT_TRUE(Judge("Presets", "D:\\Apps\\Photoshop 7\\Presets\\"));
    EXPECT_TRUE(Judge("plu", "D:\\Apps\\Photoshop 7\\plu\\"));
    EXPECT_TRUE(Judge("", ""));
    EXPECT_TRUE(hosts.empty());
}

TEST_F(HostFolderRuleTest, NamesThatBeginWithPlugInAnyCaseQualify) {
    EXPECT_FALSE(Judge("PLUG", "C:\\Photoshop\\PLUG\\"));
    EXPECT_FALSE(Judge("plugin stuff", "C:\\Photoshop\\plugin stuff\\"));
    EXPECT_FALSE(Judge("pLuG-iNs", "C:\\Photoshop\\pLuG-iNs\\"));
    EXPECT_EQ(hosts.size(), 3u);
}

TEST_F(HostFolderRuleTest, ExcludingAttributesWinOverEverything) {
    for (const FileAttribute excluded :
         {FileAttribute::Hidden, FileAttribute::System, FileAttribute::Temporary,
          FileAttribute::Offline, FileAttribute::NoScrubData}) {
        EXPECT_FALSE(
            Judge("Plug-Ins", "D:\\Photoshop\\Plug-Ins\\", {FileAttribute::Directory, excluded}));
        EXPECT_FALSE(Judge("Other", "D:\\Other\\", {FileAttribute::Directory, excluded}));
    }
    EXPECT_TRUE(hosts.empty());
    // Read-only directories, reparse points and whatever else the system marks (compressed,
    // encrypted, ...) are examined like any directory.
    FileAttributes unnamed = kDirectory;
    unnamed.unnamed = ~0u;
    for (const FileAttributes& examined :
         {FileAttributes{FileAttribute::Directory, FileAttribute::ReadOnly},
          FileAttributes{FileAttribute::Directory, FileAttribute::ReparsePoint}, unnamed}) {
        EXPECT_TRUE(Judge("Other", "D:\\Other\\", examined));
    }
}

TEST_F(HostFolderRuleTest, BytesAboveAsciiAreKeptAsTheyAre) {
    EXPECT_FALSE(Judge("Plug-Ins", "D:\\Programme\\Photoshop \xC4\xD6\\Plug-Ins\\"));
    EXPECT_EQ(hosts.at(0).pluginDirectory, "d:\\programme\\photoshop \xC4\xD6\\plug-ins\\tvl\\");
}

TEST_F(HostFolderRuleTest, TwoInstallationsGiveTwoRecordsInOrder) {
    EXPECT_FALSE(Judge("Plug-Ins", "C:\\Photoshop 6\\Plug-Ins\\"));
    EXPECT_FALSE(Judge("Plug-Ins", "C:\\Photoshop 7\\Plug-Ins\\"));
    ASSERT_EQ(hosts.size(), 2u);
    EXPECT_EQ(hosts[0].pluginDirectory, "c:\\photoshop 6\\plug-ins\\tvl\\");
    EXPECT_EQ(hosts[1].pluginDirectory, "c:\\photoshop 7\\plug-ins\\tvl\\");
    EXPECT_EQ(hosts[0].listCaption, hosts[1].listCaption);
}

TEST(AddHostTest, CaptionDefaultsToTheDisplayName) {
    HostList hosts;
    AddHost(hosts, "Photoshop", "c:\\p\\", "photoshop");
    const Text caption("Unknown (edit with 'Options' button)");
    AddHost(hosts, "Unknown Host Application", "C:\\Program Files\\plugins\\", "other", &caption);
    ASSERT_EQ(hosts.size(), 2u);
    EXPECT_EQ(hosts[0].listCaption, "Photoshop");
    EXPECT_EQ(hosts[1].listCaption, caption);
    EXPECT_TRUE(hosts[1].install);
}

}  // namespace
