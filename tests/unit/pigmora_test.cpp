// tests/unit/pigmora_test.cpp
// The plug-in's effect and the presets file; portable, so they also run under the sanitizers.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "payloads/plugin/pigmora.h"
#include "payloads/plugin/presets.h"

namespace {

std::vector<uint8_t> TestImage(int width, int height) {
    std::vector<uint8_t> image(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<uint8_t>((i * 37 + i / 7) & 0xFF);
    }
    return image;
}

std::vector<Preset> ShippedPresets() {
    std::ifstream file(TVL_PRESETS_FILE, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    std::vector<Preset> presets;
    std::string error;
    EXPECT_TRUE(ParsePresets(text, presets, error)) << error;
    return presets;
}

TEST(PigmoraTest, EveryShippedPresetParsesAndRunsInsideTheImage) {
    const std::vector<Preset> presets = ShippedPresets();
    ASSERT_EQ(presets.size(), 206u);
    EXPECT_EQ(presets[0].name, "Identity");
    for (const Preset& preset : presets) {
        // Exactly the image's bytes: the sanitizer run reports any access outside them.
        std::vector<uint8_t> image = TestImage(13, 7);
        EXPECT_EQ(PigmoraApply(image.data(), 13, 7, 13 * 4, &preset.parameters), 0) << preset.name;
    }
}

TEST(PigmoraTest, IdentityLeavesTheImageAsItWas) {
    const std::vector<Preset> presets = ShippedPresets();
    ASSERT_FALSE(presets.empty());
    std::vector<uint8_t> image = TestImage(16, 16);
    const std::vector<uint8_t> original = image;
    ASSERT_EQ(PigmoraApply(image.data(), 16, 16, 64, &presets[0].parameters), 0);
    EXPECT_EQ(image, original);
}

TEST(PigmoraTest, SameImageAndPresetGiveTheSameResult) {
    const PigmoraParameters parameters{6, 40, 150, 30, 12345};
    std::vector<uint8_t> first = TestImage(20, 10);
    std::vector<uint8_t> second = first;
    const std::vector<uint8_t> original = first;
    ASSERT_EQ(PigmoraApply(first.data(), 20, 10, 80, &parameters), 0);
    ASSERT_EQ(PigmoraApply(second.data(), 20, 10, 80, &parameters), 0);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, original);
}

TEST(PigmoraTest, BadImageOrParametersAreRefusedUntouched) {
    std::vector<uint8_t> image = TestImage(4, 4);
    const std::vector<uint8_t> original = image;
    const PigmoraParameters good{8, 0, 100, 0, 1};
    EXPECT_EQ(PigmoraApply(nullptr, 4, 4, 16, &good), -1);
    EXPECT_EQ(PigmoraApply(image.data(), 4, 4, 15, &good), -1);
    EXPECT_EQ(PigmoraApply(image.data(), 0, 4, 16, &good), -1);
    for (const PigmoraParameters bad :
         {PigmoraParameters{1, 0, 100, 0, 1}, PigmoraParameters{8, 181, 100, 0, 1},
          PigmoraParameters{8, 0, 201, 0, 1}, PigmoraParameters{8, 0, 100, 65, 1}}) {
        EXPECT_EQ(PigmoraApply(image.data(), 4, 4, 16, &bad), -2);
    }
    EXPECT_EQ(PigmoraApply(image.data(), 4, 4, 16, nullptr), -2);
    EXPECT_EQ(image, original);
    EXPECT_STREQ(PigmoraName(), "Tarvelle Pigmora Demo");
}

TEST(PresetsTest, BadValueGetsAMessageNamingSectionAndKey) {
    std::vector<Preset> presets;
    std::string error;
    EXPECT_FALSE(
        ParsePresets("[P1]\nName=A\nLevels=300\nHueShift=0\nSaturation=100\nGrain=0\n"
                     "Seed=1\n",
                     presets, error));
    EXPECT_EQ(error, "[P1]: Levels must be a whole number from 2 to 256, not '300'");
    EXPECT_FALSE(ParsePresets("[P1]\nLevels=3\n", presets, error));
    EXPECT_EQ(error, "[P1]: Name is missing");
    EXPECT_FALSE(ParsePresets("stray line\n", presets, error));
    EXPECT_FALSE(ParsePresets("[P]\nName=x\nLevels=4x\nHueShift=0\nSaturation=1\nGrain=0\nSeed=1",
                              presets, error));
    EXPECT_TRUE(ParsePresets("; nothing\n", presets, error));
    EXPECT_TRUE(presets.empty());
}

}  // namespace
