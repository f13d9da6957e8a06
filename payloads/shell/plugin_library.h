// payloads/shell/plugin_library.h
#pragma once

#include <string>

#include "payloads/plugin/pigmora.h"
#include "payloads/shell/bitmap_file.h"

// One plug-in library from the plugins\ folder, loaded for the object's lifetime.
class PluginLibrary {
public:
    explicit PluginLibrary(const std::string& file);
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;
    ~PluginLibrary();

    // Runs the effect on the image in place; false with a message when the library did not load
    // or refused the image or the parameters.
    bool Apply(Image& image, const PigmoraParameters& parameters, std::string& error) const;

private:
    using ApplyFunction = int32_t (*)(uint8_t*, int32_t, int32_t, int32_t,
                                      const PigmoraParameters*);
    void* module_;
    ApplyFunction apply_ = nullptr;
};
