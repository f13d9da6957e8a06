// payloads/shell/tarvelle_shell.cpp
// Tarvelle Shell: a small image editor that hosts the plug-ins in its plugins\ folder.
//   TarvelleShell.exe [picture]                                the window
//   TarvelleShell.exe /apply "preset name" in.bmp out.bmp   (in may be a PNG or JPEG too)
#include <windows.h>

#include "payloads/shell/apply_command.h"
#include "payloads/shell/shell_window.h"
#include "support/command_line.h"
#include "support/library_search.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    LoadLibrariesOnlyFromSystem32();
    const std::optional<std::vector<std::string>> exact = CommandLineArguments();
    if (!exact) {
        Complain(
            "A file name holds characters that this version of Windows cannot pass to "
            "Tarvelle Shell. Rename the file, or use Windows 10 version 1903 or later.");
        return 1;
    }
    const std::vector<std::string>& arguments = *exact;
    if (arguments.size() >= 2 && arguments[1] == "/apply") {
        if (arguments.size() != 5) {
            Complain("usage: TarvelleShell.exe /apply \"preset name\" in.bmp out.bmp");
            return 1;
        }
        return ApplyFromCommandLine(arguments[2], arguments[3], arguments[4]);
    }
    ShellWindow window(arguments.size() == 2 ? arguments[1] : std::string());
    return window.Run(show);
}
