// payloads/shell/installed_files_win32.cpp
#include "payloads/shell/installed_files.h"

#include "payloads/shell/file_bytes.h"
#include "resources/install_layout.h"
#include "support/directory_listing.h"
#include "support/paths.h"
#include "support/program_path.h"

std::string ShellFolder() {
    return FolderOf(ThisProgramPath().Bytes());
}

std::string PluginFolder() {
    return ShellPluginFolderIn(ShellFolder());
}

std::vector<std::string> PluginFiles() {
    std::vector<std::string> names;
    DirectoryListing listing(Text(ShellPluginPatternIn(ShellFolder())));
    if (listing.IsOpen()) {
        do {
            names.push_back(listing.Entry().name.Bytes());
        } while (listing.Next());
    }
    return names;
}

bool LoadPresets(std::vector<Preset>& presets, std::string& error) {
    const std::string path = PresetsFileIn(ShellFolder());
    std::string text;
    if (!ReadFileBytes(path, text)) {
        error = "cannot open " + path;
        return false;
    }
    return ParsePresets(text, presets, error);
}
