// payloads/plugin/presets.cpp
#include "payloads/plugin/presets.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

struct Range {
    const char* key;
    long low;
    long high;
};

constexpr Range kRanges[] = {{"Levels", 2, 256},
                             {"HueShift", -180, 180},
                             {"Saturation", 0, 200},
                             {"Grain", 0, 64},
                             {"Seed", 0, 2147483647}};

std::string Trim(const std::string& text) {
    const std::size_t start = text.find_first_not_of(" \t\r");
    const std::size_t end = text.find_last_not_of(" \t\r");
    return start == std::string::npos ? std::string() : text.substr(start, end - start + 1);
}

bool Finish(const std::string& section, std::map<std::string, std::string>& values,
            std::vector<Preset>& presets, std::string& error) {
    if (section.empty()) {
        return true;
    }
    Preset preset;
    preset.name = values["Name"];
    if (preset.name.empty()) {
        error = "[" + section + "]: Name is missing";
        return false;
    }
    long numbers[5] = {};
    for (int i = 0; i < 5; ++i) {
        const std::string& text = values[kRanges[i].key];
        char* end = nullptr;
        const long value = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || value < kRanges[i].low || value > kRanges[i].high) {
            error = "[" + section + "]: " + kRanges[i].key + " must be a whole number from " +
                    std::to_string(kRanges[i].low) + " to " + std::to_string(kRanges[i].high) +
                    ", not '" + text + "'";
            return false;
        }
        numbers[i] = value;
    }
    preset.parameters = {static_cast<int32_t>(numbers[0]), static_cast<int32_t>(numbers[1]),
                         static_cast<int32_t>(numbers[2]), static_cast<int32_t>(numbers[3]),
                         static_cast<uint32_t>(numbers[4])};
    presets.push_back(preset);
    values.clear();
    return true;
}

}  // namespace

bool ParsePresets(const std::string& text, std::vector<Preset>& presets, std::string& error) {
    presets.clear();
    std::string section;
    std::map<std::string, std::string> values;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            if (!Finish(section, values, presets, error)) {
                return false;
            }
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || section.empty()) {
            error = "not a preset line: '" + line + "'";
            return false;
        }
        values[Trim(line.substr(0, equals))] = Trim(line.substr(equals + 1));
    }
    return Finish(section, values, presets, error);
}
