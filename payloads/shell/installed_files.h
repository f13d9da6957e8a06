// payloads/shell/installed_files.h
#pragma once

#include <string>
#include <vector>

#include "payloads/plugin/presets.h"

// What the installer put beside the shell: the plug-ins in "plugins\" and the presets file in
// "presets\", both below the folder of TarvelleShell.exe.
std::string ShellFolder();
std::string PluginFolder();
// The file names (not paths) of the plug-ins, in the file system's order.
std::vector<std::string> PluginFiles();
bool LoadPresets(std::vector<Preset>& presets, std::string& error);
