// payloads/plugin/presets.h
#pragma once

#include <string>
#include <vector>

#include "payloads/plugin/pigmora.h"

struct Preset {
    std::string name;
    PigmoraParameters parameters{};
};

// Reads the presets file (INI text, one section per preset). A value that is missing or out of
// its range fails the whole file with a message that names the section and the key.
bool ParsePresets(const std::string& text, std::vector<Preset>& presets, std::string& error);
