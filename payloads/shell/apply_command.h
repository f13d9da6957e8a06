// payloads/shell/apply_command.h
#pragma once

#include <string>

// A line on the standard error stream, for the scripted use.
void Complain(const std::string& message);

// TarvelleShell.exe /apply "preset name" in out: the preset applied to the picture in by the
// first plug-in, written as a BMP to out. The exit code: 0, or 2 (presets), 3 (no plug-in),
// 4 (the picture or the effect).
int ApplyFromCommandLine(const std::string& presetName, const std::string& input,
                         const std::string& output);
