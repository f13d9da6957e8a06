// tests/e2e/planted_libraries.h
// Strangers' DLLs left where our programs might look for a library: copies of
// tests/e2e/planted_library.cpp, each of which leaves "<its own path>.loaded" when loaded.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace e2e {

// Names of libraries that a Windows program loads by name after start-up, each one a place
// where a planted copy in the program's folder would be found first without protection.
inline const char* const kPlantedNames[] = {
    "version", "uxtheme", "dwmapi",   "cryptbase", "imm32",    "msimg32",       "comctl32",
    "dbghelp", "mpr",     "netapi32", "oleacc",    "profapi",  "propsys",       "secur32",
    "shcore",  "sspicli", "userenv",  "winmm",     "wtsapi32", "windowscodecs", "textshaping"};

// The planted library under every name above in each of some folders (each ending with "\"),
// gone again with the object. Meanwhile every planted name is forced to its native (planted)
// copy in the processes started from here and in theirs.
class PlantedLibraries {
public:
    explicit PlantedLibraries(std::vector<std::string> folders) : folders_(std::move(folders)) {
        std::string overrides;
        for (const char* name : kPlantedNames) {
            for (const std::string& folder : folders_) {
                ready_ = ready_ && CopyFileA(TVL_PLANTED_LIBRARY_PATH, Path(folder, name).c_str(),
                                             FALSE) != FALSE;
            }
            overrides += std::string(name) + ",";
        }
        overrides.back() = '=';
        overrides += "n,b;winemenubuilder.exe=d";
        char previous[1024] = {};
        hadOverrides_ = GetEnvironmentVariableA("WINEDLLOVERRIDES", previous, sizeof previous) > 0;
        previous_ = previous;
        SetEnvironmentVariableA("WINEDLLOVERRIDES", overrides.c_str());
    }
    PlantedLibraries(const PlantedLibraries&) = delete;
    PlantedLibraries& operator=(const PlantedLibraries&) = delete;
    ~PlantedLibraries() {
        SetEnvironmentVariableA("WINEDLLOVERRIDES", hadOverrides_ ? previous_.c_str() : nullptr);
        for (const std::string& folder : folders_) {
            for (const char* name : kPlantedNames) {
                DeleteFileA(Path(folder, name).c_str());
                DeleteFileA((Path(folder, name) + ".loaded").c_str());
            }
        }
    }
    bool Ready() const { return ready_ && !folders_.empty(); }

    // The paths of the planted libraries that some process loaded, one after another.
    std::string Loaded() const {
        std::string loaded;
        for (const std::string& folder : folders_) {
            for (const char* name : kPlantedNames) {
                const std::string marker = Path(folder, name) + ".loaded";
                if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
                    loaded += Path(folder, name) + " ";
                }
            }
        }
        return loaded;
    }

private:
    static std::string Path(const std::string& folder, const char* name) {
        return folder + name + ".dll";
    }

    std::vector<std::string> folders_;
    bool ready_ = true;
    bool hadOverrides_ = false;
    std::string previous_;
};

}  // namespace e2e
