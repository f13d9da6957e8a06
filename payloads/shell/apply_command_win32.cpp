// payloads/shell/apply_command_win32.cpp
#include "payloads/shell/apply_command.h"

#include <windows.h>

#include <vector>

#include "payloads/shell/installed_files.h"
#include "payloads/shell/picture_file.h"
#include "payloads/shell/plugin_library.h"

void Complain(const std::string& message) {
    const std::string line = "TarvelleShell: " + message + "\n";
    DWORD written = 0;
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error != nullptr && error != INVALID_HANDLE_VALUE) {
        WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

int ApplyFromCommandLine(const std::string& presetName, const std::string& input,
                         const std::string& output) {
    std::vector<Preset> presets;
    std::string error;
    if (!LoadPresets(presets, error)) {
        Complain(error);
        return 2;
    }
    const Preset* chosen = nullptr;
    for (const Preset& preset : presets) {
        if (preset.name == presetName) {
            chosen = &preset;
        }
    }
    if (chosen == nullptr) {
        Complain("no preset named '" + presetName + "'");
        return 2;
    }
    const std::vector<std::string> plugins = PluginFiles();
    if (plugins.empty()) {
        Complain("no plug-in in " + PluginFolder());
        return 3;
    }
    Image image;
    const PluginLibrary plugin(plugins.front());
    if (!ReadPicture(input, image, error) || !plugin.Apply(image, chosen->parameters, error) ||
        !WriteBitmap(output, image, error)) {
        Complain(error);
        return 4;
    }
    return 0;
}
