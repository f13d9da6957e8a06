// tests/unit/resource_source_test.cpp
#include "support/resource_source.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "resources/resource.h"
#include "support/text_buffer.h"

namespace {

TEST(ResourceSourceTest, LicencePayloadReadsBackItsStoredBytes) {
    ResourceSource payload;
    ASSERT_TRUE(payload.Load(IDR_PAYLOAD_LICENSE));
    std::ifstream file(TVL_LICENSE_FILE, std::ios::binary);
    const std::string stored((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(payload.Size(), static_cast<std::int32_t>(stored.size()));
    TextBuffer text;
    EXPECT_EQ(text.ReadAll(payload), static_cast<std::int32_t>(stored.size()));
    EXPECT_EQ(text.Bytes(), stored);
    EXPECT_TRUE(payload.AtEnd());
    char more[8];
    EXPECT_EQ(payload.Read(more, 8), 0);
}

TEST(ResourceSourceTest, TypeNameMatchesWithoutRegardToCase) {
    ResourceSource upper;
    EXPECT_TRUE(upper.Load(IDR_PAYLOAD_LICENSE, nullptr, "BIN"));
}

TEST(ResourceSourceTest, MissingPayloadFailsToLoad) {
    ResourceSource missing;
    EXPECT_FALSE(missing.Load(9999));
    EXPECT_FALSE(missing.Load(IDR_PAYLOAD_LICENSE, nullptr, "TXT"));
    EXPECT_TRUE(missing.AtEnd());
    char buffer[4];
    EXPECT_EQ(missing.Read(buffer, 4), 0);
}

TEST(ResourceSourceTest, ReadsInPiecesAndNeverPastTheEnd) {
    ResourceSource payload;
    ASSERT_TRUE(payload.Load(IDR_PAYLOAD_LICENSE));
    std::string all;
    char piece[1000];
    while (!payload.AtEnd()) {
        const std::int32_t n = payload.Read(piece, 1000);
        ASSERT_GT(n, 0);
        all.append(piece, static_cast<std::size_t>(n));
    }
    EXPECT_EQ(static_cast<std::int32_t>(all.size()), payload.Size());
    EXPECT_EQ(payload.Read(piece, -1), 0);
}

}  // namespace
