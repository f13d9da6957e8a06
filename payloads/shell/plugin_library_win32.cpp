// payloads/shell/plugin_library_win32.cpp
#include "payloads/shell/plugin_library.h"

#include <windows.h>

#include "payloads/shell/installed_files.h"

PluginLibrary::PluginLibrary(const std::string& file)
    : module_(LoadLibraryA((PluginFolder() + file).c_str())) {
    if (module_ != nullptr) {
        apply_ = reinterpret_cast<ApplyFunction>(
            reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module_), "PigmoraApply")));
    }
}

PluginLibrary::~PluginLibrary() {
    if (module_ != nullptr) {
        FreeLibrary(static_cast<HMODULE>(module_));
    }
}

bool PluginLibrary::Apply(Image& image, const PigmoraParameters& parameters,
                          std::string& error) const {
    if (apply_ == nullptr) {
        error = "the plug-in could not be loaded";
        return false;
    }
    if (apply_(image.bgra.data(), image.width, image.height, image.width * 4, &parameters) != 0) {
        error = "the plug-in refused the image or the preset";
        return false;
    }
    return true;
}
